#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "manifest/engine.h"
#include "manifest/text_replace.h"
#include "platform/win32/file_system.h"
#include "platform/win32/text.h"
#include "tests/native/manifest/recording.h"
#include "tests/wine/platform/win_files.h"
#include "tests/wine/wait_scale.h"

namespace kovrena::manifest {
namespace {

using testing::attributesOf;
using testing::readBytes;
using testing::RecordingMessageBox;
using testing::TempDir;
using testing::writeBytes;

constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The probe's build path is a host path; Wine shows the host's root as Z:.
// KOVRENA_LOADER_PROBE names another build of it (the 32-bit one).
std::string probePath() {
  const char* named = std::getenv("KOVRENA_LOADER_PROBE");
  std::string path = named != nullptr && *named != '\0' ? named : KOVRENA_PROBE_PATH;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// IMAGE_FILE_MACHINE_* of a program file, 0 when it is not one.
WORD machineOf(const std::string& path) {
  const std::optional<std::string> bytes = readBytes(path);
  if (!bytes || bytes->size() < 0x40) return 0;
  const auto at = [&](std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
      value |= static_cast<std::uint32_t>(static_cast<unsigned char>((*bytes)[offset + i])) << (8 * i);
    }
    return value;
  };
  const std::size_t header = at(0x3C, 4);
  if (header + 6 > bytes->size() || bytes->compare(header, 4, std::string("PE\0\0", 4)) != 0) return 0;
  return static_cast<WORD>(at(header + 4, 2));
}

struct ProbeRun {
  bool started = false;
  DWORD startError = 0;
  DWORD exitCode = 0;
  std::string comctl;  // the module path the probe reported
};

ProbeRun runProbe(const std::string& exe) {
  ProbeRun run;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + win32::ToWide(exe) + L"\"";
  run.started = CreateProcessW(win32::ToWide(exe).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                               CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process) != FALSE;
  if (!run.started) run.startError = GetLastError();
  CloseHandle(writeEnd);
  if (run.started) {
    char buffer[1024];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got != 0) run.comctl.append(buffer, got);
    WaitForSingleObject(process.hProcess, kovrena::testing::scaled(60000));
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  return run;
}

bool boundToV6(const ProbeRun& run) { return lower(run.comctl).find("winsxs") != std::string::npos; }

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
    machine = machineOf(probePath());
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

  RecordingMessageBox messages;
  ManifestGeriAl(target, messages, files);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].style, 64u);
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
