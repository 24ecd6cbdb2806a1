#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "app/manifest_procedures.h"
#include "manifest/engine.h"
#include "platform/win32/disk.h"
#include "tests/fakes/pe_builder.h"
#include "platform/win32/file_system.h"
#include "platform/win32/last_error.h"
#include "platform/win32/text.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/message_box.h"
#include "tests/wine/platform/win_files.h"

namespace kovrena::app {
namespace {

using manifest::BuildManifestText;
using manifest::ManifestFileKontrol;
using manifest::ManifestPath;
using manifest::OldManifest;
using manifest::WriteManifestFile;

using testing::attributesOf;
using testing::readBytes;
using testing::RecordingControls;
using testing::RecordingMessageBox;
using testing::TempDir;
using testing::writeBytes;

constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class EngineOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    use("Şekil İşleyici.exe");
  }
  void use(const std::string& programName) {
    target = Target{folder / programName, programName};
    manifest = target.path + ".manifest";
    controls.pathText = target.path;
    ASSERT_TRUE(writeBytes(target.path, testing::BuildPe({}).bytes));
  }

  TempDir folder{L"Çalışma"};
  win32::Win32FileSystem files;
  win32::Win32Disk disk;
  // Windows XP: the file beside a program is the one in force.
  ManifestServices services() { return ManifestServices{messages, files, disk, HostSystem{System::Xp, false}, nullptr}; }
  RecordingMessageBox messages;
  RecordingControls controls;
  Target target;
  std::string manifest;
};

TEST_F(EngineOnWindows, ApplyWritesTheBytesHiddenAndSystem) {
  cmdUygulaClick(target, controls, services());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Seçtiğiniz programa (Şekil İşleyici.exe) XP Görünüm Stili uygulandı");
  EXPECT_EQ(messages.shown[0].style, 64u);
  EXPECT_EQ(readBytes(manifest), BuildManifestText(target.programName));
  EXPECT_EQ(attributesOf(manifest) & (kHiddenSystem | FILE_ATTRIBUTE_READONLY), kHiddenSystem);
  EXPECT_FALSE(controls.applyEnabled);
}

TEST_F(EngineOnWindows, HiddenManifestIsFoundByTheCheckNotByThePlainLookup) {
  ManifestYaz(target, controls, services());
  EXPECT_EQ(files.findFile(manifest, attr::kPlainLookup).value(), "");
  EXPECT_TRUE(ManifestFileKontrol(files, manifest).value());
}

// The names in the test folder.
std::vector<std::wstring> namesIn(const TempDir& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const win32::UniqueFind search(FindFirstFileW((folder.wide() + L"\\*").c_str(), &found));
  if (!search) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search.get(), &found));
  return names;
}

// The rename over the old manifest: Hidden, System and Read-only, which
// Windows will not replace until the attributes are cleared.
TEST_F(EngineOnWindows, HiddenSystemReadOnlyManifestIsRenamedOverAfterYes) {
  ASSERT_TRUE(writeBytes(manifest, "elle yazılmış"));
  ASSERT_TRUE(SetFileAttributesW(win32::ToWide(manifest).c_str(), kHiddenSystem | FILE_ATTRIBUTE_READONLY));
  messages.answers = {mb::kAnswerYes};
  cmdUygulaClick(target, controls, services());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].style, 308u);
  EXPECT_EQ(messages.shown[1].style, 64u);
  EXPECT_EQ(readBytes(manifest), BuildManifestText(target.programName));
  EXPECT_EQ(attributesOf(manifest) & (kHiddenSystem | FILE_ATTRIBUTE_READONLY), kHiddenSystem);
  EXPECT_EQ(namesIn(folder).size(), 2u) << "the program and its manifest, no temporary file";
}

// A host link at the manifest path: apply (Yes) and undo both end in the
// error report, and the file it leads to stays as it was.
TEST_F(EngineOnWindows, LinkAtTheManifestPathGetsTheErrorReport) {
  const std::string victim = folder / "başkasının.txt";
  ASSERT_TRUE(writeBytes(victim, "dokunma"));
  if (!testing::makeHostLink(victim, manifest)) GTEST_SKIP() << "no host link can be made here (not under Wine)";
  const Error refused = win32::ErrorFromCode(ERROR_CANT_RESOLVE_FILENAME);
  messages.answers = {mb::kAnswerYes};
  cmdUygulaClick(target, controls, services());
  controls.applyOption = false;
  cmdUygulaClick(target, controls, services());
  testing::removeHostLinks({manifest});
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].style, 308u);
  EXPECT_EQ(messages.shown[1].text, ErrorReportText(kApplyHeadline, kNumberLabel, refused));
  EXPECT_EQ(messages.shown[2].text, ErrorReportText(kUndoHeadline, kNumberLabel, refused));
  EXPECT_EQ(readBytes(victim), "dokunma");
  EXPECT_EQ(attributesOf(victim) & (kHiddenSystem | FILE_ATTRIBUTE_READONLY), 0u);
  EXPECT_EQ(namesIn(folder).size(), 2u) << "the program and the victim, no temporary file";
}

TEST_F(EngineOnWindows, AnswerNoLeavesTheOldManifest) {
  ASSERT_TRUE(writeBytes(manifest, "eski"));
  messages.answers = {mb::kAnswerNo};
  cmdUygulaClick(target, controls, services());
  EXPECT_EQ(readBytes(manifest), "eski");
  EXPECT_TRUE(controls.applyEnabled);
}

TEST_F(EngineOnWindows, FolderNamedLikeTheManifestIsNamedAndLeftBothWays) {
  ASSERT_TRUE(CreateDirectoryW(win32::ToWide(manifest).c_str(), nullptr));
  cmdUygulaClick(target, controls, services());
  controls.applyOption = false;
  cmdUygulaClick(target, controls, services());
  const std::string there = std::string(kBlockedBefore) + std::string(kBlockedFolder);
  const std::vector<testing::ShownMessage> expected = {{there + std::string(kBlockedApplyAfter), 64},
                                                       {there + std::string(kBlockedUndoAfter), 64}};
  EXPECT_EQ(messages.shown, expected);
  EXPECT_EQ(controls.pathText, target.path);
  EXPECT_NE(attributesOf(manifest) & FILE_ATTRIBUTE_DIRECTORY, 0u) << "the folder stays";
}

TEST_F(EngineOnWindows, UndoRemovesHiddenVisibleAndReadOnlyManifests) {
  for (const DWORD attributes : {kHiddenSystem, DWORD{FILE_ATTRIBUTE_NORMAL}, DWORD{FILE_ATTRIBUTE_READONLY},
                                 kHiddenSystem | FILE_ATTRIBUTE_READONLY}) {
    SCOPED_TRACE(attributes);
    messages.shown.clear();
    ASSERT_TRUE(writeBytes(manifest, testing::EmbeddedManifestText(true)));
    ASSERT_TRUE(SetFileAttributesW(win32::ToWide(manifest).c_str(), attributes));
    ManifestGeriAl(target, controls, services());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Seçtiğiniz programa yapılmış XP Stili Görünüm düzenlemesi geri alındı");
    EXPECT_EQ(attributesOf(manifest), INVALID_FILE_ATTRIBUTES);
  }
  EXPECT_EQ(readBytes(target.path), testing::BuildPe({}).bytes);
}

TEST_F(EngineOnWindows, MissingFolderIsNotFoundOnApplyAndNothingToUndo) {
  target.path = folder / "gitti\\prog.exe";
  cmdUygulaClick(target, controls, services());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Belirttiğiniz dosya bulunamadı");
  EXPECT_EQ(controls.pathText, "");

  // The lookup of a path whose folder is gone finds nothing; it is no failure.
  controls.applyOption = false;
  cmdUygulaClick(target, controls, services());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].style, 48u);
}

}  // namespace
}  // namespace kovrena::app
