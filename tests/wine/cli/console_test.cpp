#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "cli/win32/console.h"
#include "platform/win32/text.h"
#include "tests/wine/platform/win_files.h"

namespace kovrena::cli {
namespace {

using kovrena::testing::readBytes;
using kovrena::testing::TempDir;
using kovrena::win32::ToWide;
using win32::Win32Console;

// Puts a handle in place of standard output for one scope.
class StandardOutput {
 public:
  explicit StandardOutput(HANDLE replacement) : saved_(GetStdHandle(STD_OUTPUT_HANDLE)) {
    SetStdHandle(STD_OUTPUT_HANDLE, replacement);
  }
  StandardOutput(const StandardOutput&) = delete;
  StandardOutput& operator=(const StandardOutput&) = delete;
  ~StandardOutput() { SetStdHandle(STD_OUTPUT_HANDLE, saved_); }

 private:
  HANDLE saved_;
};

const std::string kLine = "Çizim & Boya.exe: XP Görünüm Stili uygulandı; ğüşıöçİĞÜŞÖÇ\n";

// A file or pipe gets UTF-8 bytes with CR LF line ends, as Windows tools
// write them.
TEST(Win32ConsoleTest, RedirectedOutputIsUtf8WithCrLf) {
  TempDir d;
  ASSERT_TRUE(d.ok());
  const std::string path = d / "çıktı.txt";
  HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0,
                            nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  {
    StandardOutput redirected(file);
    Win32Console console;
    console.out(kLine);
    console.out("ikinci\nüçüncü\n");
  }
  CloseHandle(file);
  EXPECT_EQ(readBytes(path), "Çizim & Boya.exe: XP Görünüm Stili uygulandı; ğüşıöçİĞÜŞÖÇ\r\nikinci\r\nüçüncü\r\n");
}

// A console gets the text as UTF-16, so Turkish letters show whatever the
// console's code page: read back from the screen buffer, cell by cell.
TEST(Win32ConsoleTest, ConsoleGetsTheLettersThemselves) {
  FreeConsole();
  if (!AllocConsole()) GTEST_SKIP() << "no console can be made here: " << GetLastError();
  HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(screen, INVALID_HANDLE_VALUE);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  ASSERT_TRUE(GetConsoleScreenBufferInfo(screen, &info));
  const COORD start = info.dwCursorPosition;
  {
    StandardOutput console(screen);
    Win32Console().out(kLine);
  }
  const std::wstring expected = ToWide(kLine.substr(0, kLine.size() - 1));
  std::wstring cells(expected.size(), L'\0');
  DWORD read = 0;
  ASSERT_TRUE(ReadConsoleOutputCharacterW(screen, cells.data(), static_cast<DWORD>(cells.size()), start, &read));
  ASSERT_TRUE(GetConsoleScreenBufferInfo(screen, &info));
  CloseHandle(screen);
  FreeConsole();
  EXPECT_EQ(cells.substr(0, read), expected);
  EXPECT_EQ(info.dwCursorPosition.Y, start.Y + 1) << "the line end moves to the next line";
  EXPECT_EQ(info.dwCursorPosition.X, 0);
}

}  // namespace
}  // namespace kovrena::cli
