#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/sys_info.h"
#include "platform/win32/file_system.h"
#include "platform/win32/process_launcher.h"
#include "platform/win32/registry.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "test_support.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/registry.h"
#include "tests/wine/support/windows_path.h"

namespace kovrena::dialogs {
namespace {

using kovrena::testing::RecordingMessageBox;
using kovrena::testing::TestKey;
using kovrena::testing::utf16Bytes;
using kovrena::win32::ToUtf8;

const std::wstring kFolder = L"C:\\Program Files\\Kovrena Sınama Aracı";
const std::wstring kTool = kFolder + L"\\MSINFO32.EXE";
// What an unquoted command line "C:\Program Files\..." would start first.
const std::wstring kDecoy = L"C:\\Program.exe";

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool waitFor(const std::wstring& path, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 50) {
    if (exists(path)) return true;
    Sleep(50);
  }
  return exists(path);
}

// The probe's report: its command line and its show command.
std::wstring readMarker(const std::wstring& path) {
  for (int attempt = 0; attempt < 40; ++attempt) {
    const win32::UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file) {
      std::wstring text(4096, L'\0');
      DWORD read = 0;
      ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
      text.resize(read / sizeof(wchar_t));
      if (!text.empty() && text.back() == L'\n') return text;
    }
    Sleep(50);  // the probe may still be writing
  }
  return L"";
}

// The probe copied to the tool's place and to the decoy's, removed again
// afterwards, markers included.
class ProbeCopies {
 public:
  ProbeCopies() {
    clean();
    CreateDirectoryW(kFolder.c_str(), nullptr);
    const std::wstring probe = kovrena::testing::windowsPathOf(KOVRENA_LAUNCH_PROBE);
    copied_ = CopyFileW(probe.c_str(), kTool.c_str(), FALSE) && CopyFileW(probe.c_str(), kDecoy.c_str(), FALSE);
  }
  ~ProbeCopies() { clean(); }
  bool ok() const { return copied_; }
  void hideTool() { SetFileAttributesW(kTool.c_str(), FILE_ATTRIBUTE_HIDDEN); }

 private:
  static void clean() {
    for (const std::wstring& file : {kTool, kTool + L".ran", kDecoy, kDecoy + L".ran"}) {
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      // A probe that has just written its marker may still be ending.
      for (int attempt = 0; attempt < 40 && !DeleteFileW(file.c_str()) && exists(file); ++attempt) Sleep(50);
    }
    RemoveDirectoryW(kFolder.c_str());
  }
  bool copied_ = false;
};

TEST(Win32ProcessLauncher, RefusesWhatCannotStart) {
  struct Row {
    const char* what;
    std::string path;
  };
  const Row rows[] = {
      {"empty path", ""},
      {"missing file", "C:\\Kovrena Sınama Yok\\MSINFO32.EXE"},
      {"folder", "C:\\windows"},
      {"path cut by a NUL", std::string("C:\\windows\\notepad.exe\0x", 24)},
  };
  kovrena::win32::Win32ProcessLauncher launcher;
  for (const Row& row : rows) {
    const Status failed = launcher.start(row.path, show::kNormal);
    EXPECT_TRUE(failed.has_value()) << row.what;
  }
}

TEST(Win32ProcessLauncher, StartsExactlyThePathWithBlanks) {
  ProbeCopies probes;
  ASSERT_TRUE(probes.ok());
  kovrena::win32::Win32ProcessLauncher launcher;
  const Status failed = launcher.start(ToUtf8(kTool), show::kNormal);
  ASSERT_FALSE(failed.has_value()) << failed->description;
  ASSERT_TRUE(waitFor(kTool + L".ran", 15000)) << "the tool did not start";
  EXPECT_EQ(readMarker(kTool + L".ran"), L"\"" + kTool + L"\"\n1\n");
  // One start makes one process: with the tool's mark there, a decoy's
  // could only come from a second start.
  EXPECT_FALSE(exists(kDecoy + L".ran")) << "the decoy was started";
}

TEST(StartSysInfo, FindsAndStartsTheToolThroughTheRegistry) {
  struct Row {
    const char* what;
    std::function<void(TestKey&)> arrange;
    bool hideTool;
    bool started;
  };
  const std::string folder = ToUtf8(kFolder);
  const Row rows[] = {
      {"path value names the tool",
       [](TestKey& key) { key.set(L"MSINFO", L"PATH", REG_SZ, utf16Bytes(kTool)); }, false, true},
      {"folder value holds the tool",
       [](TestKey& key) { key.set(L"Location", L"MSINFO", REG_SZ, utf16Bytes(kFolder)); }, false, true},
      {"folder value ending in a backslash",
       [](TestKey& key) { key.set(L"Location", L"MSINFO", REG_SZ, utf16Bytes(kFolder + L"\\")); }, false, true},
      {"hidden tool in the folder does not count",
       [](TestKey& key) { key.set(L"Location", L"MSINFO", REG_SZ, utf16Bytes(kFolder)); }, true, false},
      {"neither value", [](TestKey&) {}, false, false},
      {"path value expandable: empty path, folder not tried",
       [](TestKey& key) {
         key.set(L"MSINFO", L"PATH", REG_EXPAND_SZ, utf16Bytes(kTool));
         key.set(L"Location", L"MSINFO", REG_SZ, utf16Bytes(kFolder));
       },
       false, false},
      {"path value of 0 bytes: folder not tried",
       [](TestKey& key) {
         key.set(L"MSINFO", L"PATH", REG_SZ, "");
         key.set(L"Location", L"MSINFO", REG_SZ, utf16Bytes(kFolder));
       },
       false, false},
  };
  const SysInfoLookups lookups{{reg::kCurrentUser, "Software\\Kovrena Sınama\\MSINFO", "PATH"},
                               {reg::kCurrentUser, "Software\\Kovrena Sınama\\Location", "MSINFO"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ProbeCopies probes;
    ASSERT_TRUE(probes.ok());
    if (row.hideTool) probes.hideTool();
    TestKey key;
    row.arrange(key);
    kovrena::win32::Win32Registry registry;
    kovrena::win32::Win32FileSystem files;
    kovrena::win32::Win32ProcessLauncher launcher;
    RecordingMessageBox messages;
    StartSysInfo({registry, files, launcher, messages}, lookups);
    if (row.started) {
      EXPECT_TRUE(messages.shown.empty());
      EXPECT_TRUE(waitFor(kTool + L".ran", 15000)) << "the tool did not start";
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, "Sistem bilgilerinize şu an ulaşılamıyor");
      EXPECT_EQ(messages.shown[0].style, 0u);
      EXPECT_FALSE(exists(kTool + L".ran"));
    }
    EXPECT_FALSE(exists(kDecoy + L".ran"));
  }
}

}  // namespace
}  // namespace kovrena::dialogs
