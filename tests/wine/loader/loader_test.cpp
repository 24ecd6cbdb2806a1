#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "manifest/commands.h"
#include "manifest/examine.h"
#include "manifest/manifest_file.h"
#include "manifest/manifest_text.h"
#include "manifest/text_replace.h"
#include "platform/win32/file_system.h"
#include "platform/win32/text.h"
#include "tests/wine/platform/win_files.h"
#include "tests/wine/loader/probe_run.h"
#include "tests/wine/support/machine_of.h"
#include "tests/wine/support/windows_path.h"

namespace kovrena::manifest {
namespace {

// The program a test writes the manifest beside.
struct Target {
  std::string path;
  std::string programName;
};

using testing::attributesOf;
using testing::boundToV6;
using testing::lower;
using testing::MachineOf;
using testing::ProbeRun;
using testing::runProbe;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The probe's build path is a host path; Wine shows the host's root as Z:.
// KOVRENA_LOADER_PROBE names another build of it (one built as the shipping exe is).
std::string probePath() {
  const char* named = std::getenv("KOVRENA_LOADER_PROBE");
  return testing::windowsPathTextOf(named != nullptr && *named != '\0' ? named : KOVRENA_PROBE_PATH);
}

// A 64-bit process is not bound to a dependency declared for x86: the
// loader of this machine runs 64-bit programs only, so the launch gets the
// same manifest with the two architecture attributes changed to amd64.
// Everything else, Hidden+System included, stays as the engine wrote it.
// On a machine that runs the 32-bit probe the engine's bytes are used as is.
std::string forTheProbe(const std::string& manifestText, WORD probeMachine) {
  if (probeMachine != IMAGE_FILE_MACHINE_AMD64) return manifestText;
  return replaceAll(manifestText, "processorArchitecture=\"x86\"", "processorArchitecture=\"amd64\"");
}

void replaceHiddenFile(win32::Win32FileSystem& files, const std::string& path, const std::string& bytes) {
  ASSERT_EQ(files.setAttributes(path, attr::kNormal), std::nullopt);
  ASSERT_TRUE(writeBytes(path, bytes));
  ASSERT_EQ(files.setAttributes(path, attr::kHidden | attr::kSystem), std::nullopt);
}

class RealLoader : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    machine = MachineOf(probePath());
    ASSERT_TRUE(machine == IMAGE_FILE_MACHINE_AMD64 || machine == IMAGE_FILE_MACHINE_I386) << probePath();
  }
  TempDir folder{L"kovrena-yükleyici"};
  win32::Win32FileSystem files;
  WORD machine = 0;
};

TEST_P(RealLoader, ManifestBindsTheProgramToV6AndUndoUnbindsIt) {
  const std::string name = GetParam();
  const Target target{folder / name, name};
  ASSERT_TRUE(CopyFileW(win32::ToWide(probePath()).c_str(), win32::ToWide(target.path).c_str(), FALSE));

  const ProbeRun plain = runProbe(target.path);
  ASSERT_TRUE(plain.started) << plain.startError;
  ASSERT_EQ(plain.exitCode, 0u);
  ASSERT_FALSE(plain.comctl.empty());
  EXPECT_FALSE(boundToV6(plain)) << plain.comctl;

  const std::string manifest = ManifestPath(target.path);
  const std::string text = BuildManifestText(name);
  ASSERT_EQ(WriteManifestFile(files, manifest, text, OldManifest::None), std::nullopt);
  EXPECT_EQ(readBytes(manifest), text);
  EXPECT_EQ(attributesOf(manifest) & kHiddenSystem, kHiddenSystem);

  const std::string launched = forTheProbe(text, machine);
  replaceHiddenFile(files, manifest, launched);
  EXPECT_EQ(attributesOf(manifest) & kHiddenSystem, kHiddenSystem);
  const ProbeRun styled = runProbe(target.path);
  ASSERT_TRUE(styled.started) << styled.startError;
  EXPECT_TRUE(boundToV6(styled)) << styled.comctl;
  EXPECT_NE(lower(styled.comctl).find("common-controls"), std::string::npos) << styled.comctl;

  const Services services{files};
  EXPECT_EQ(UndoFor(Examine(target.path, services), Consent::Given, services).outcome, Outcome::Undone);
  EXPECT_EQ(attributesOf(manifest), INVALID_FILE_ATTRIBUTES);

  const ProbeRun undone = runProbe(target.path);
  ASSERT_TRUE(undone.started) << undone.startError;
  EXPECT_FALSE(boundToV6(undone)) << undone.comctl;
  EXPECT_EQ(lower(undone.comctl), lower(plain.comctl));
}

// The judge is not blind: a manifest the loader cannot read binds nothing.
// (Wine's reader is lax about a bare '&' inside the name and binds anyway;
// the escaping is for the stricter Windows loader.)
TEST_F(RealLoader, UnreadableManifestBindsNothing) {
  const Target target{folder / "bozuk.exe", "bozuk.exe"};
  ASSERT_TRUE(CopyFileW(win32::ToWide(probePath()).c_str(), win32::ToWide(target.path).c_str(), FALSE));
  const std::string readable = forTheProbe(BuildManifestText(target.programName), machine);
  const std::string unreadable = replaceAll(readable, "</assembly>", "</assembl>");
  ASSERT_NE(unreadable, readable);
  ASSERT_TRUE(writeBytes(ManifestPath(target.path), unreadable));
  const ProbeRun run = runProbe(target.path);
  ASSERT_TRUE(run.started) << run.startError;
  EXPECT_FALSE(boundToV6(run)) << run.comctl;
}

INSTANTIATE_TEST_SUITE_P(Names, RealLoader,
                         ::testing::Values("probe.exe", "Ses & Görüntü.exe", "Çizim İşleyici.exe",
                                           "Tırnak'lı (eski) sürüm.exe"));

}  // namespace
}  // namespace kovrena::manifest
