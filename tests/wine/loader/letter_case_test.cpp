// Which manifest names Wine's loader takes for a program, letter case
// aside, and that the platform's lookup and the engine's comparison agree
// with it, the Turkish letters in both directions above all.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "manifest/manifest_file.h"
#include "manifest/manifest_text.h"
#include "manifest/text_replace.h"
#include "platform/win32/file_system.h"
#include "platform/win32/text.h"
#include "tests/wine/loader/probe_run.h"
#include "tests/wine/platform/win_files.h"
#include "tests/wine/support/machine_of.h"
#include "tests/wine/support/windows_path.h"
#include "text/letter_case.h"

namespace kovrena::manifest {
namespace {

using testing::boundToV6;
using testing::MachineOf;
using testing::ProbeRun;
using testing::runProbe;
using testing::TempDir;

std::string probePath() {
  const char* named = std::getenv("KOVRENA_LOADER_PROBE");
  return testing::windowsPathTextOf(named != nullptr && *named != '\0' ? named : KOVRENA_PROBE_PATH);
}

struct CasePair {
  const char* program;
  const char* manifest;
  bool binds;  // what the loader does: the manifest is the program's
};

TEST(LoaderLetterCase, TheManifestNamesTheLoaderTakesAreTheOnesTheLookupFinds) {
  const std::vector<CasePair> cases = {
      {"ç.exe", "Ç.exe.manifest", true},   {"Ç.exe", "ç.exe.manifest", true},
      {"ş.exe", "Ş.exe.manifest", true},   {"Ş.exe", "ş.exe.manifest", true},
      {"ğ.exe", "Ğ.exe.manifest", true},   {"Ğ.exe", "ğ.exe.manifest", true},
      {"ö.exe", "Ö.exe.manifest", true},   {"Ö.exe", "ö.exe.manifest", true},
      {"ü.exe", "Ü.exe.manifest", true},   {"Ü.exe", "ü.exe.manifest", true},
      {"ı.exe", "I.exe.manifest", false},  {"I.exe", "ı.exe.manifest", false},
      {"i.exe", "İ.exe.manifest", false},  {"İ.exe", "i.exe.manifest", false},
      {"ışık.exe", "IŞIK.exe.manifest", false},
      {"çizim.exe", "ÇİZİM.EXE.MANIFEST", false},
      {"çizim.exe", "ÇIZIM.EXE.MANIFEST", true},
      {"ς.exe", "Σ.exe.manifest", false},  {"ǅ.exe", "Ǆ.exe.manifest", false},
      {"ǆ.exe", "Ǆ.exe.manifest", true},
  };
  const WORD machine = MachineOf(probePath());
  ASSERT_TRUE(machine == IMAGE_FILE_MACHINE_AMD64 || machine == IMAGE_FILE_MACHINE_I386) << probePath();
  TempDir folder{L"kovrena-harf"};
  ASSERT_TRUE(folder.ok());
  win32::Win32FileSystem files;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const CasePair& c = cases[i];
    SCOPED_TRACE(std::string(c.program) + " + " + c.manifest);
    // A folder of its own: no other case's files in the way.
    const std::string own = folder / std::to_string(i);
    ASSERT_TRUE(CreateDirectoryW(win32::ToWide(own).c_str(), nullptr));
    const std::string program = own + "\\" + c.program;
    ASSERT_TRUE(CopyFileW(win32::ToWide(probePath()).c_str(), win32::ToWide(program).c_str(), FALSE));
    std::string text = BuildManifestText(c.program);
    if (machine == IMAGE_FILE_MACHINE_AMD64) {
      text = replaceAll(text, "processorArchitecture=\"x86\"", "processorArchitecture=\"amd64\"");
    }
    ASSERT_EQ(WriteManifestFile(files, own + "\\" + c.manifest, text, OldManifest::None), std::nullopt);

    const ProbeRun run = runProbe(program);
    ASSERT_TRUE(run.started) << run.startError;
    EXPECT_EQ(boundToV6(run), c.binds) << run.comctl;
    EXPECT_EQ(text::SameIgnoringCase(std::string(c.program) + ".manifest", c.manifest), c.binds);
    const Result<std::string> found = files.findFile(ManifestPath(program), attr::kAnyFileLookup);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found.value(), c.binds ? c.manifest : "");
  }
}

}  // namespace
}  // namespace kovrena::manifest
