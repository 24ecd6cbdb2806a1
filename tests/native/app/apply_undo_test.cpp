#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "app/manifest_procedures.h"
#include "manifest/manifest_text.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/pe_builder.h"

namespace kovrena::app {
namespace {

using testing::Fault;
using testing::FileOp;
using testing::MemoryFileSystem;
using testing::RecordingControls;
using testing::RecordingMessageBox;
using testing::ShownMessage;

const Target kTarget{"C:\\Programlar\\notepad.exe", "notepad.exe"};
const std::string kManifest = "C:\\Programlar\\notepad.exe.manifest";
// Written by hand: a manifest that binds the common controls and nothing else.
const std::string kOldBytes = testing::EmbeddedManifestText(true);
// An x86 program: it gets exactly the document the window program has always written.
const std::string kProgramBytes = testing::BuildPe({}).bytes;

using manifest::BuildManifestText;

// Windows XP: the file beside a program is the one in force.
ManifestServices servicesOf(MessageBoxService& messages, MemoryFileSystem& files) {
  return ManifestServices{messages, files, HostSystem{System::Xp, false}, nullptr};
}

const ShownMessage kQuestion{
    "Bu programa daha önceden XP Görünüm Stili desteği verilmiş\r\n\r\nÜzerine yazmak istiyor musunuz?",
    308};
const ShownMessage kApplied{"Seçtiğiniz programa (notepad.exe) XP Görünüm Stili uygulandı", 64};
const ShownMessage kNotFound{"Belirttiğiniz dosya bulunamadı", 64};
const ShownMessage kUndone{"Seçtiğiniz programa yapılmış XP Stili Görünüm düzenlemesi geri alındı", 64};
const ShownMessage kNothingToUndo{
    "Seçtiğiniz programa ait daha önceden programımız tarafından yapılmış bir XP Stili Görünüm "
    "düzenlemesi bulunamadı",
    48};

const ShownMessage kBlockedFolderApply{
    "Seçtiğiniz programın yanında manifest adında bir klasör var; ona dokunulmadı, XP Görünüm Stili uygulanmadı", 64};
const ShownMessage kBlockedFolderUndo{
    "Seçtiğiniz programın yanında manifest adında bir klasör var; ona dokunulmadı, geri alınacak bir XP Stili Görünüm "
    "düzenlemesi yok",
    64};

ShownMessage applyReport(const Error& error) {
  return {ErrorReportText(kApplyHeadline, kNumberLabel, error), 16};
}
ShownMessage undoReport(const Error& error) {
  return {ErrorReportText(kUndoHeadline, kNumberLabel, error), 16};
}

const Error kDenied{5, "Erişim engellendi."};
const Error kDiskFull{112, "Diskte yeterli alan yok."};
const Error kNotReady{21, "Aygıt hazır değil."};

// What should sit at the manifest path afterwards.
struct Expected {
  enum Kind { Nothing, NewManifest, OldFile, Folder } kind;
  std::uint32_t attributes = 0;  // for OldFile
};

struct ClickCase {
  const char* label;
  std::function<void(MemoryFileSystem&)> arrange;
  std::vector<int> answers;
  std::vector<ShownMessage> messages;
  bool applyEnabledAfter;
  bool pathCleared;
  Expected file;
};

void withOldFile(MemoryFileSystem& files, std::uint32_t attributes) {
  files.addFile(kManifest, kOldBytes, attributes);
}

void runClick(const ClickCase& c, bool applyOption) {
  SCOPED_TRACE(c.label);
  MemoryFileSystem files;
  files.addFile(kTarget.path, kProgramBytes);
  if (c.arrange) c.arrange(files);
  RecordingMessageBox messages;
  messages.answers.assign(c.answers.begin(), c.answers.end());
  RecordingControls controls;
  controls.applyOption = applyOption;
  controls.pathText = kTarget.path;

  cmdUygulaClick(kTarget, controls, servicesOf(messages, files));

  EXPECT_EQ(messages.shown, c.messages);
  EXPECT_EQ(controls.applyEnabled, c.applyEnabledAfter);
  EXPECT_EQ(controls.pathText, c.pathCleared ? "" : kTarget.path);
  EXPECT_TRUE(files.exists(kTarget.path)) << "the program itself is never touched";
  switch (c.file.kind) {
    case Expected::Nothing:
      EXPECT_FALSE(files.exists(kManifest));
      break;
    case Expected::NewManifest:
      ASSERT_TRUE(files.exists(kManifest));
      EXPECT_EQ(files.entries[kManifest].bytes, BuildManifestText("notepad.exe"));
      EXPECT_EQ(files.entries[kManifest].attributes, 6u);
      break;
    case Expected::OldFile:
      ASSERT_TRUE(files.exists(kManifest));
      EXPECT_EQ(files.entries[kManifest].bytes, kOldBytes);
      EXPECT_EQ(files.entries[kManifest].attributes, c.file.attributes);
      break;
    case Expected::Folder:
      ASSERT_TRUE(files.exists(kManifest));
      EXPECT_TRUE(files.entries[kManifest].directory);
      break;
  }
  for (const auto& [path, entry] : files.entries) {
    EXPECT_EQ(entry.openHandles, 0) << path;
    EXPECT_FALSE(path.ends_with(kTemporaryEnding)) << path;
  }
}

// Right after the manifest has been looked at, before anything is done to it.
void pullAwayAfterCheck(MemoryFileSystem& files) {
  files.afterCall = [&files](const std::string& call) {
    if (call == "getattributes " + kManifest) files.entries.erase(kManifest);
  };
}

TEST(Apply, EveryOutcomeOfOneClick) {
  const std::uint32_t hs = attr::kHidden | attr::kSystem;
  const std::vector<ClickCase> cases = {
      {"no manifest", nullptr, {}, {kApplied}, false, false, {Expected::NewManifest}},
      {"visible manifest, No", [](auto& f) { withOldFile(f, attr::kArchive); }, {mb::kAnswerNo},
       {kQuestion}, true, false, {Expected::OldFile, attr::kArchive}},
      {"hidden manifest, No", [&](auto& f) { withOldFile(f, hs); }, {mb::kAnswerNo}, {kQuestion}, true,
       false, {Expected::OldFile, hs}},
      {"question closed without Yes counts as No", [&](auto& f) { withOldFile(f, hs); }, {2},
       {kQuestion}, true, false, {Expected::OldFile, hs}},
      {"visible manifest, Yes", [](auto& f) { withOldFile(f, attr::kArchive); }, {mb::kAnswerYes},
       {kQuestion, kApplied}, false, false, {Expected::NewManifest}},
      {"read-only manifest, Yes", [](auto& f) { withOldFile(f, attr::kReadOnly); }, {mb::kAnswerYes},
       {kQuestion, kApplied}, false, false, {Expected::NewManifest}},
      {"hidden, system, read-only manifest, Yes",
       [](auto& f) { withOldFile(f, attr::kReadOnly | attr::kHidden | attr::kSystem); },
       {mb::kAnswerYes}, {kQuestion, kApplied}, false, false, {Expected::NewManifest}},
      {"folder named like the manifest", [](auto& f) { f.addDirectory(kManifest); }, {},
       {kBlockedFolderApply}, false, false, {Expected::Folder}},
      {"manifest vanishes before the attribute reset",
       [](auto& f) {
         withOldFile(f, hs);
         pullAwayAfterCheck(f);
       },
       {mb::kAnswerYes}, {kQuestion, kNotFound}, false, true, {Expected::Nothing}},
      {"folder gone when creating: 53",
       [](auto& f) { f.faults = {{FileOp::Create, testing::notFoundError(), {}}}; }, {}, {kNotFound},
       false, true, {Expected::Nothing}},
      {"create refused", [](auto& f) { f.faults = {{FileOp::Create, kDenied, {}}}; }, {},
       {applyReport(kDenied)}, false, false, {Expected::Nothing}},
      {"disk full while writing", [](auto& f) { f.faults = {{FileOp::Write, kDiskFull, {}}}; }, {},
       {applyReport(kDiskFull)}, false, false, {Expected::Nothing}},
      {"close fails", [](auto& f) { f.faults = {{FileOp::Close, kNotReady, {}}}; }, {},
       {applyReport(kNotReady)}, false, false, {Expected::Nothing}},
      {"hidden+system refused", [](auto& f) { f.faults = {{FileOp::SetAttributes, kDenied, 6u}}; }, {},
       {applyReport(kDenied)}, false, false, {Expected::Nothing}},
      {"lookup fails", [](auto& f) { f.faults = {{FileOp::Find, kNotReady, {}}}; }, {},
       {applyReport(kNotReady)}, false, false, {Expected::Nothing}},
      {"old manifest in use: the rename fails, the old one keeps its attributes",
       [](auto& f) {
         withOldFile(f, hs);
         f.faults = {{FileOp::Replace, testing::sharingViolationError(), {}}};
       },
       {mb::kAnswerYes}, {kQuestion, applyReport(testing::sharingViolationError())}, false, false,
       {Expected::OldFile, hs}},
      {"disk full after Yes: the old manifest is still there",
       [](auto& f) {
         withOldFile(f, attr::kReadOnly);
         f.faults = {{FileOp::Write, kDiskFull, {}}};
       },
       {mb::kAnswerYes}, {kQuestion, applyReport(kDiskFull)}, false, false, {Expected::OldFile, attr::kReadOnly}},
      {"read-only bit reset refused: old manifest untouched",
       [&](auto& f) {
         withOldFile(f, hs | attr::kReadOnly);
         f.faults = {{FileOp::SetAttributes, kDenied, hs}};
       },
       {mb::kAnswerYes}, {kQuestion, applyReport(kDenied)}, false, false, {Expected::OldFile, hs | attr::kReadOnly}},
  };
  for (const ClickCase& c : cases) runClick(c, /*applyOption=*/true);
}

TEST(Undo, EveryOutcomeOfOneClick) {
  const std::uint32_t hs = attr::kHidden | attr::kSystem;
  const std::vector<ClickCase> cases = {
      {"manifest as written", [&](auto& f) { withOldFile(f, hs); }, {}, {kUndone}, false, false,
       {Expected::Nothing}},
      {"visible hand-written manifest", [](auto& f) { withOldFile(f, attr::kArchive); }, {}, {kUndone},
       false, false, {Expected::Nothing}},
      {"read-only manifest", [](auto& f) { withOldFile(f, attr::kReadOnly); }, {}, {kUndone}, false,
       false, {Expected::Nothing}},
      {"no manifest", nullptr, {}, {kNothingToUndo}, false, false, {Expected::Nothing}},
      {"folder named like the manifest is left alone", [](auto& f) { f.addDirectory(kManifest); }, {},
       {kBlockedFolderUndo}, false, false, {Expected::Folder}},
      {"manifest vanishes: 53 is an ordinary failure here",
       [&](auto& f) {
         withOldFile(f, hs);
         pullAwayAfterCheck(f);
       },
       {}, {undoReport(testing::notFoundError())}, false, false, {Expected::Nothing}},
      {"delete fails: the file gets its attributes back",
       [&](auto& f) {
         withOldFile(f, hs);
         f.faults = {{FileOp::Delete, testing::sharingViolationError(), {}}};
       },
       {}, {undoReport(testing::sharingViolationError())}, false, false, {Expected::OldFile, hs}},
      {"attribute reset refused",
       [&](auto& f) {
         withOldFile(f, hs);
         f.faults = {{FileOp::SetAttributes, kDenied, {}}};
       },
       {}, {undoReport(kDenied)}, false, false, {Expected::OldFile, hs}},
      {"lookup fails", [](auto& f) { f.faults = {{FileOp::Find, kNotReady, {}}}; }, {},
       {undoReport(kNotReady)}, false, false, {Expected::Nothing}},
  };
  for (const ClickCase& c : cases) runClick(c, /*applyOption=*/false);
}

TEST(ApplyButton, IsDisabledBeforeTheFirstBoxOpensEitherWay) {
  for (const bool applyOption : {true, false}) {
    MemoryFileSystem files;
    RecordingMessageBox messages;
    RecordingControls controls;
    controls.applyOption = applyOption;
    std::vector<bool> enabledWhileShown;
    messages.onShow = [&] { enabledWhileShown.push_back(controls.applyEnabled); };
    cmdUygulaClick(kTarget, controls, servicesOf(messages, files));
    EXPECT_EQ(enabledWhileShown, std::vector<bool>{false}) << applyOption;
  }
}

TEST(ApplyButton, EachNoReenablesAndAsksAgainOnTheNextClick) {
  MemoryFileSystem files;
  files.addFile(kTarget.path, kProgramBytes);
  withOldFile(files, attr::kArchive);
  RecordingMessageBox messages;
  messages.answers = {mb::kAnswerNo, mb::kAnswerNo, mb::kAnswerYes};
  RecordingControls controls;
  for (int click = 0; click < 3 && controls.applyEnabled; ++click) {
    cmdUygulaClick(kTarget, controls, servicesOf(messages, files));
  }
  const std::vector<ShownMessage> expected = {kQuestion, kQuestion, kQuestion, kApplied};
  EXPECT_EQ(messages.shown, expected);
  EXPECT_FALSE(controls.applyEnabled);
  EXPECT_EQ(files.entries[kManifest].bytes, BuildManifestText("notepad.exe"));
}

TEST(ApplyThenUndo, RoundTripLeavesTheFolderAsItWas) {
  MemoryFileSystem files;
  files.addFile(kTarget.path, kProgramBytes);
  const auto before = files.entries.size();
  RecordingMessageBox messages;
  RecordingControls controls;
  ManifestYaz(kTarget, controls, servicesOf(messages, files));
  EXPECT_EQ(files.entries.size(), before + 1);
  ManifestGeriAl(kTarget, controls, servicesOf(messages, files));
  EXPECT_EQ(files.entries.size(), before);
  const std::vector<ShownMessage> expected = {kApplied, kUndone};
  EXPECT_EQ(messages.shown, expected);
}

TEST(Apply, SuccessMessageShowsTheNameAsChosenNotAsEscaped) {
  const Target target{"C:\\A & B\\Ses & Görüntü.exe", "Ses & Görüntü.exe"};
  MemoryFileSystem files;
  files.addFile(target.path, kProgramBytes);
  RecordingMessageBox messages;
  RecordingControls controls;
  ManifestYaz(target, controls, servicesOf(messages, files));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Seçtiğiniz programa (Ses & Görüntü.exe) XP Görünüm Stili uygulandı");
  const std::string& bytes = files.entries["C:\\A & B\\Ses & Görüntü.exe.manifest"].bytes;
  EXPECT_NE(bytes.find("name=\"Ses &amp; G\xC3\xB6r\xC3\xBCnt\xC3\xBC.exe\"/>"), std::string::npos);
}

}  // namespace
}  // namespace kovrena::app
