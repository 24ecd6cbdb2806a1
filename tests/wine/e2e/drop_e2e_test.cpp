// Files dropped on the main window as Explorer drops them (a DROPFILES block
// in the receiver's memory, its handle posted as WM_DROPFILES), beside the
// same first file chosen in the open-file dialog.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/manifest_messages.h"
#include "app/program_drop.h"
#include "main_window_fixture.h"

namespace kovrena::testing {
namespace {

class Drop : public MainWindow {
 protected:
  void drop(std::wstring files) {  // NUL after each path
    const DROPFILES header{sizeof(DROPFILES), {60, 120}, FALSE, TRUE};
    std::vector<char> block(sizeof header + (files.size() + 1) * sizeof(wchar_t));
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, files.c_str(), (files.size() + 1) * sizeof(wchar_t));
    void* there = VirtualAllocEx(process_->handle(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(there && WriteProcessMemory(process_->handle(), there, block.data(), block.size(), nullptr));
    ASSERT_TRUE(PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(there), 0));
  }
  // The path field; "Uygula" and the options: enabled (1) and checked (x).
  std::wstring shown() {
    std::wstring seen = windowText(pathField());
    for (const wchar_t* caption : {L"Uygula", L"XP Tarzı görünüm desteği ver", L"Önceden yapılmış değişikliği geri al"}) {
      const HWND button = control(L"Button", caption);
      seen += std::to_wstring(IsWindowEnabled(button)) + (checked(button) ? L"x" : L"");
    }
    return seen;
  }
  void expectMessages(const std::vector<std::wstring>& texts) {
    for (const std::wstring& text : texts) expectMessage(text);
    waitUntilProgramIdle();
    EXPECT_EQ(topLevelWindow(process_->id(), L"Kovrena", L"#32770"), nullptr) << "a message box too many";
  }
};

TEST_F(Drop, TakesTheFirstFileAsTheDialogWouldAndNothingUnderAMessageBox) {
  const std::wstring missing = folder_ + L"\\Yok.exe", notFound = win32::ToWide(app::kNotFoundMessage);
  struct Row {
    std::wstring first, second;
    bool manifestBeside, selects;
    std::wstring message;  // the dialog's lacks the one about several files
  };
  const Row rows[] = {
      {target_, L"", false, true, L""},
      {target_, L"", true, true, L""},
      {missing, L"", true, false, notFound},
      {target_, missing, true, true, win32::ToWide(app::kOneProgramAtATimeMessage)},
      {kKovrenaExe, L"", true, false, win32::ToWide(app::kSelfChosenMessage)},
      {folder_, L"", true, false, notFound},  // in the dialog a folder opens: nothing to compare
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.first + L" " + row.second);
    if (row.manifestBeside) CopyFileW(kProbeExe.c_str(), (target_ + L".manifest").c_str(), FALSE);
    drop(row.first + L'\0' + (row.second.empty() ? L"" : row.second + L'\0'));
    expectMessages(row.message.empty() ? std::vector<std::wstring>() : std::vector{row.message});
    const std::wstring dropped = shown();
    EXPECT_EQ(windowText(pathField()), row.selects ? row.first : L"");
    if (row.first == folder_) continue;
    choose(row.first);
    expectMessages(row.message.empty() || !row.second.empty() ? std::vector<std::wstring>() : std::vector{row.message});
    EXPECT_EQ(dropped, shown());
  }
  drop(missing + L'\0');
  ASSERT_NE(dialogTitled(L"Kovrena"), nullptr);
  drop(target_ + L'\0');
  expectMessages({notFound});
  EXPECT_EQ(windowText(pathField()), L"") << "taken under the message box";
}

}  // namespace
}  // namespace kovrena::testing
