#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "cli/win32/console.h"
#include "platform/win32/scoped.h"
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
  kovrena::win32::UniqueHandle file(
      CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(file);
  {
    StandardOutput redirected(file.get());
    Win32Console console;
    console.out(kLine);
    console.out("ikinci\nüçüncü\n");
  }
  file.reset();
  EXPECT_EQ(readBytes(path), "Çizim & Boya.exe: XP Görünüm Stili uygulandı; ğüşıöçİĞÜŞÖÇ\r\nikinci\r\nüçüncü\r\n");
}

// A console gets the text as UTF-16, so Turkish letters show whatever the
// console's code page: read back from the screen buffer, cell by cell.
TEST(Win32ConsoleTest, ConsoleGetsTheLettersThemselves) {
  FreeConsole();
  if (!AllocConsole()) GTEST_SKIP() << "no console can be made here: " << GetLastError();
  kovrena::win32::UniqueHandle screen(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                  nullptr));
  ASSERT_TRUE(screen);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  ASSERT_TRUE(GetConsoleScreenBufferInfo(screen.get(), &info));
  const COORD start = info.dwCursorPosition;
  {
    StandardOutput console(screen.get());
    Win32Console().out(kLine);
  }
  const std::wstring expected = ToWide(kLine.substr(0, kLine.size() - 1));
  std::wstring cells(expected.size(), L'\0');
  DWORD read = 0;
  ASSERT_TRUE(ReadConsoleOutputCharacterW(screen.get(), cells.data(), static_cast<DWORD>(cells.size()), start, &read));
  ASSERT_TRUE(GetConsoleScreenBufferInfo(screen.get(), &info));
  screen.reset();
  FreeConsole();
  EXPECT_EQ(cells.substr(0, read), expected);
  EXPECT_EQ(info.dwCursorPosition.Y, start.Y + 1) << "the line end moves to the next line";
  EXPECT_EQ(info.dwCursorPosition.X, 0);
}

}  // namespace
}  // namespace kovrena::cli
