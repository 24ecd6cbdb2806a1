// What one engine decides for each kind of program, and how the window
// program says it: both front ends on the same examined file.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/manifest_messages.h"
#include "app/manifest_procedures.h"
#include "manifest/check.h"
#include "manifest/commands.h"
#include "manifest/examine.h"
#include "manifest/manifest_text.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/pe_builder.h"
#include "tests/fakes/registry.h"

namespace kovrena::app {
namespace {

using manifest::Outcome;
using testing::BuildPe;
using testing::MemoryFileSystem;
using testing::PeRecipe;
using testing::RecordingControls;
using testing::RecordingMessageBox;
using testing::ShownMessage;

const std::string kProgram = "C:\\Programlar\\Çizim.exe";
const std::string kManifest = kProgram + ".manifest";
const Target kTarget{kProgram, "Çizim.exe"};
const ShownMessage kApplied{"Seçtiğiniz programa (Çizim.exe) XP Görünüm Stili uygulandı", 64};
constexpr std::uint32_t kRiskyQuestion = 308;  // Yes/No, exclamation, No by default

std::string withCrt(std::string_view commonControlsArchitecture) {
  std::string text =
      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"
      "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" name=\"Microsoft.VC90.CRT\" "
      "version=\"9.0.21022.8\" processorArchitecture=\"x86\" publicKeyToken=\"1fc8b3b9a1e18e3b\"/>"
      "</dependentAssembly></dependency>";
  if (!commonControlsArchitecture.empty()) {
    text += "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" "
            "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"";
    text += commonControlsArchitecture;
    text += "\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/></dependentAssembly></dependency>";
  }
  return text + "</assembly>";
}

ManifestServices on(System system, RecordingMessageBox& messages, MemoryFileSystem& files,
                    Registry* registry = nullptr) {
  return ManifestServices{messages, files, HostSystem{system, true}, registry};
}

struct KindCase {
  const char* kind;
  std::string bytes;
  Outcome engine;                       // ApplyTo without consent
  std::optional<std::string> written;   // processorArchitecture of what is written
  std::string_view window;              // the window program's message, when not the success one
};

// kovrena-cli and the window program decide from one examination; the
// window says in its own words why nothing was written.
TEST(ProgramKinds, OneDecisionForBothPrograms) {
  std::string cutShort = BuildPe({}).bytes;
  cutShort.resize(0x90);
  const std::vector<KindCase> cases = {
      {"x86 program", BuildPe({}).bytes, Outcome::Applied, "x86", {}},
      {"x64 program", BuildPe(PeRecipe{}.forMachine(0x8664)).bytes, Outcome::Applied, "amd64", {}},
      {".NET AnyCPU program", BuildPe(PeRecipe{}.managed(1)).bytes, Outcome::Applied, "*", {}},
      {".NET program that needs 32 bits", BuildPe(PeRecipe{}.managed(3)).bytes, Outcome::Applied, "x86", {}},
      {"DLL", BuildPe(PeRecipe{}.asDll()).bytes, Outcome::Library, std::nullopt, kLibraryMessage},
      {"ARM64 program", BuildPe(PeRecipe{}.forMachine(0xAA64)).bytes, Outcome::WrongMachine, std::nullopt,
       kWrongMachineMessage},
      {"not a PE", "MZ yalnızca iki harf değil", Outcome::NotWindowsProgram, std::nullopt, kNotAProgramMessage},
      {"PE cut short", cutShort, Outcome::NotWindowsProgram, std::nullopt, kNotAProgramMessage},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.kind);
    MemoryFileSystem engineFiles;
    engineFiles.addFile(kProgram, c.bytes);
    const manifest::Services services{engineFiles};
    const manifest::Report report = manifest::ApplyTo(manifest::Examine(kProgram, services),
                                                      manifest::Consent::None, services);
    EXPECT_EQ(report.outcome, c.engine);

    MemoryFileSystem files;
    files.addFile(kProgram, c.bytes);
    RecordingMessageBox messages;
    RecordingControls controls;
    cmdUygulaClick(kTarget, controls, on(System::Xp, messages, files));
    const ShownMessage expected = c.window.empty() ? kApplied : ShownMessage{std::string(c.window), 64};
    EXPECT_EQ(messages.shown, std::vector<ShownMessage>{expected});
    EXPECT_FALSE(controls.applyEnabled);
    for (MemoryFileSystem* each : {&engineFiles, &files}) {
      if (!c.written) {
        EXPECT_FALSE(each->exists(kManifest)) << "nothing is written";
        continue;
      }
      ASSERT_TRUE(each->exists(kManifest));
      EXPECT_EQ(each->entries[kManifest].bytes, manifest::BuildManifestText("Çizim.exe", *c.written));
    }
  }
}

struct RiskCase {
  const char* label;
  std::string program;
  std::optional<std::string> manifest;  // at the manifest path beforehand
  bool applyOption;
  std::vector<int> answers;
  std::vector<ShownMessage> shown;
  std::optional<std::string> after;     // at the manifest path afterwards
  bool applyEnabledAfter;
};

// Before the window program replaces or deletes a manifest it did not
// write that the program may need, or hides what the program's own
// manifest needs, it asks, No by default; a manifest that only binds the
// common controls is handled as it always was.
TEST(WindowAsks, BeforeWhatMayStopTheProgram) {
  const std::string x86 = BuildPe({}).bytes;
  const std::string vendor = withCrt("x86");
  const std::string ours = manifest::BuildManifestText("Çizim.exe");
  const std::string foreignOverwrite =
      std::string(kForeignManifestBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (x86)" + std::string(kForeignOverwriteAfter);
  const std::string foreignDelete =
      std::string(kForeignManifestBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (x86)" + std::string(kForeignDeleteAfter);
  const std::string hides = std::string(kHiddenDependenciesBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (x86)" +
                            std::string(kHiddenDependenciesAfter);
  const ShownMessage overwrite{std::string(kOverwriteQuestion), kRiskyQuestion};
  const ShownMessage undone{std::string(kUndoneMessage), 64};
  const std::vector<RiskCase> cases = {
      {"vendor manifest, apply, No", x86, vendor, true, {mb::kAnswerNo}, {{foreignOverwrite, kRiskyQuestion}}, vendor, true},
      {"vendor manifest, apply, Yes", x86, vendor, true, {mb::kAnswerYes},
       {{foreignOverwrite, kRiskyQuestion}, kApplied}, ours, false},
      {"vendor manifest, undo, No", x86, vendor, false, {mb::kAnswerNo}, {{foreignDelete, kRiskyQuestion}}, vendor, true},
      {"vendor manifest, undo, Yes", x86, vendor, false, {mb::kAnswerYes}, {{foreignDelete, kRiskyQuestion}, undone},
       std::nullopt, false},
      {"hand-written manifest binding only the common controls, apply", x86, ours + " ",
       true, {mb::kAnswerYes}, {overwrite, kApplied}, ours, false},
      {"hand-written manifest binding only the common controls, undo: unasked", x86,
       testing::EmbeddedManifestText(true), false, {},
       {undone}, std::nullopt, false},
      {"the program's own manifest needs a C runtime, No", BuildPe(PeRecipe{}.withManifest(withCrt("x86"))).bytes,
       std::nullopt, true, {mb::kAnswerNo}, {{hides, kRiskyQuestion}}, std::nullopt, true},
      {"the program's own manifest needs a C runtime, Yes", BuildPe(PeRecipe{}.withManifest(withCrt(""))).bytes,
       std::nullopt, true, {mb::kAnswerYes}, {{hides, kRiskyQuestion}, kApplied}, ours, false},
  };
  for (const RiskCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    files.addFile(kProgram, c.program);
    if (c.manifest) files.addFile(kManifest, *c.manifest);
    RecordingMessageBox messages;
    messages.answers.assign(c.answers.begin(), c.answers.end());
    RecordingControls controls;
    controls.applyOption = c.applyOption;
    cmdUygulaClick(kTarget, controls, on(System::Xp, messages, files));
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(controls.applyEnabled, c.applyEnabledAfter);
    if (c.after) {
      ASSERT_TRUE(files.exists(kManifest));
      EXPECT_EQ(files.entries[kManifest].bytes, *c.after);
    } else {
      EXPECT_FALSE(files.exists(kManifest));
    }
  }
}

struct WinsCase {
  const char* label;
  System system;
  std::optional<std::uint32_t> preferExternal;
  bool embedded;
  bool sentence;
};

// The success message adds one sentence where this Windows goes by the
// program's own manifest, by the rule kovrena-cli's check uses.
TEST(WindowSays, WhereTheProgramsOwnManifestWins) {
  const std::vector<WinsCase> cases = {
      {"Windows XP", System::Xp, std::nullopt, true, false},
      {"later Windows", System::Server2003Sp1AndLater, std::nullopt, true, true},
      {"later Windows, PreferExternalManifest 1", System::Server2003Sp1AndLater, 1u, true, false},
      {"later Windows, PreferExternalManifest 0", System::Server2003Sp1AndLater, 0u, true, true},
      {"Wine", System::Wine, std::nullopt, true, true},
      {"Wine, no manifest of its own", System::Wine, std::nullopt, false, false},
  };
  for (const WinsCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    files.addFile(kProgram, c.embedded ? BuildPe(PeRecipe{}.withManifest(testing::EmbeddedManifestText(false))).bytes
                                       : BuildPe({}).bytes);
    testing::FakeRegistry registry;
    if (c.preferExternal) {
      registry.set(reg::kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SideBySide",
                   "PreferExternalManifest", testing::dwordValue(*c.preferExternal));
    }
    RecordingMessageBox messages;
    RecordingControls controls;
    cmdUygulaClick(kTarget, controls, on(c.system, messages, files, &registry));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kApplied.text + (c.sentence ? std::string(kOwnManifestWinsSentence) : ""));
  }
}

}  // namespace
}  // namespace kovrena::app

namespace kovrena::app {
namespace {

using testing::Fault;
using testing::FileOp;
using testing::MemoryEntry;

enum class Action { Apply, Undo };

struct AtTheManifestPath {
  const char* kind;
  std::function<void(MemoryFileSystem&)> arrange;
  Action action;
  bool windowAsks;         // a question, No by default, before anything is touched
  Outcome cli;             // kovrena-cli without --force
  Outcome cliForced;       // with --force: what the window's Yes does too
  bool programUnreadable = false;
};

std::optional<MemoryEntry> manifestOf(MemoryFileSystem& files) {
  if (!files.exists(kManifest)) return std::nullopt;
  return files.entries[kManifest];
}

bool same(const std::optional<MemoryEntry>& a, const std::optional<MemoryEntry>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->bytes == b->bytes && a->attributes == b->attributes && a->directory == b->directory &&
                a->special == b->special);
}

// Whatever lies at the manifest path, both programs come to the same
// files: the window program asks where kovrena-cli wants --force for
// somebody's data, keeps it byte for byte on No, and on Yes does what
// --force does. Only a manifest that binds just the common controls is
// the window's action to replace or delete unasked.
TEST(AtTheManifestPath, BothProgramsComeToTheSameFiles) {
  const std::string x86 = BuildPe({}).bytes;
  const auto put = [](std::string bytes, std::uint32_t attributes = attr::kArchive) {
    return [bytes, attributes](MemoryFileSystem& f) { f.addFile(kManifest, bytes, attributes); };
  };
  const auto ours = put(manifest::BuildManifestText("Çizim.exe"), attr::kHidden | attr::kSystem);
  // It stops an x86 program from starting: replaced unasked by both programs.
  const auto oursForX64 = put(manifest::BuildManifestText("Çizim.exe", "amd64"), attr::kHidden | attr::kSystem);
  const auto handWritten = put(testing::EmbeddedManifestText(true), attr::kReadOnly);
  const auto vendor = put(withCrt("x86"));
  const auto randomBytes = put(std::string("\x8f\x02\xff\x00\x13zz", 7) + std::string(4000, '\xa5'), attr::kHidden);
  const auto otherXml = put("<?xml version=\"1.0\"?><rapor><satır/></rapor>");
  const auto tooLarge = put("<assembly>" + std::string(manifest::kLargestManifest, ' ') + "</assembly>");
  const auto unreadable = [&](MemoryFileSystem& f) {
    handWritten(f);
    f.faults.push_back(Fault{FileOp::Read, testing::sharingViolationError(), {}, kManifest});
  };
  const auto folder = [](MemoryFileSystem& f) { f.addDirectory(kManifest); };
  const auto fifo = [](MemoryFileSystem& f) {
    f.addFile(kManifest);
    f.entries[kManifest].special = true;
  };
  using A = Action;
  using O = Outcome;
  const std::vector<AtTheManifestPath> cases = {
      {"nothing", nullptr, A::Apply, false, O::Applied, O::Applied},
      {"the tool's own", ours, A::Apply, true, O::AlreadyApplied, O::Replaced},
      {"the tool's own for x64", oursForX64, A::Apply, false, O::Replaced, O::Replaced},
      {"hand-written", handWritten, A::Apply, true, O::ManifestExists, O::Replaced},
      {"a vendor's", vendor, A::Apply, true, O::ManifestExists, O::Replaced},
      {"random bytes", randomBytes, A::Apply, true, O::ManifestExists, O::Replaced},
      {"XML of another kind", otherXml, A::Apply, true, O::ManifestExists, O::Replaced},
      {"too large to be a manifest", tooLarge, A::Apply, true, O::ManifestExists, O::Replaced},
      {"unreadable", unreadable, A::Apply, true, O::ManifestExists, O::Replaced},
      {"a folder", folder, A::Apply, false, O::ManifestBlocked, O::ManifestBlocked},
      {"a pipe", fifo, A::Apply, false, O::ManifestBlocked, O::ManifestBlocked},
      {"nothing", nullptr, A::Undo, false, O::NothingToUndo, O::NothingToUndo},
      {"the tool's own", ours, A::Undo, false, O::Undone, O::Undone},
      {"hand-written", handWritten, A::Undo, false, O::ForeignManifest, O::Undone},
      {"a vendor's", vendor, A::Undo, true, O::ForeignManifest, O::Undone},
      {"random bytes", randomBytes, A::Undo, true, O::ForeignManifest, O::Undone},
      {"XML of another kind", otherXml, A::Undo, true, O::ForeignManifest, O::Undone},
      {"too large to be a manifest", tooLarge, A::Undo, true, O::ForeignManifest, O::Undone},
      {"unreadable", unreadable, A::Undo, true, O::ForeignManifest, O::Undone},
      {"a folder", folder, A::Undo, false, O::ManifestBlocked, O::ManifestBlocked},
      {"a pipe", fifo, A::Undo, false, O::ManifestBlocked, O::ManifestBlocked},
      {"the tool's own, beside an unreadable program", ours, A::Undo, false, O::Undone, O::Undone, true},
      {"random bytes, beside an unreadable program", randomBytes, A::Undo, true, O::ForeignManifest, O::Undone,
       true},
  };
  for (const AtTheManifestPath& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + (c.action == A::Apply ? ", apply" : ", undo"));
    const auto arrange = [&](MemoryFileSystem& f) {
      f.addFile(kProgram, x86);
      if (c.arrange) c.arrange(f);
      if (c.programUnreadable) f.faults.push_back(Fault{FileOp::Read, testing::accessDeniedError(), {}, kProgram});
    };
    std::optional<MemoryEntry> forcedAfter;
    for (const manifest::Consent consent : {manifest::Consent::None, manifest::Consent::Given}) {
      MemoryFileSystem files;
      arrange(files);
      const manifest::Services services{files};
      const manifest::Examined program = manifest::Examine(kProgram, services);
      const manifest::Report report = c.action == A::Apply ? manifest::ApplyTo(program, consent, services)
                                                           : manifest::UndoFor(program, consent, services);
      EXPECT_EQ(report.outcome, consent == manifest::Consent::None ? c.cli : c.cliForced);
      if (consent == manifest::Consent::Given) forcedAfter = manifestOf(files);
    }
    for (const int answer : {mb::kAnswerNo, mb::kAnswerYes}) {
      MemoryFileSystem files;
      arrange(files);
      const std::optional<MemoryEntry> before = manifestOf(files);
      RecordingMessageBox messages;
      messages.answers = {answer};
      RecordingControls controls;
      controls.applyOption = c.action == A::Apply;
      cmdUygulaClick(kTarget, controls, on(System::Xp, messages, files));
      ASSERT_FALSE(messages.shown.empty());
      const bool asked = messages.shown[0].style == kRiskyQuestion;
      EXPECT_EQ(asked, c.windowAsks) << messages.shown[0].text;
      if (asked && answer == mb::kAnswerNo) {
        EXPECT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(same(manifestOf(files), before)) << "No keeps it byte for byte with its attributes";
        EXPECT_TRUE(controls.applyEnabled);
      } else {
        EXPECT_TRUE(same(manifestOf(files), forcedAfter)) << "the same files as kovrena-cli --force";
        EXPECT_NE(messages.shown.back().style, 16u) << messages.shown.back().text;
      }
    }
  }
}

}  // namespace
}  // namespace kovrena::app
