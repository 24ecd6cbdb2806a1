// Files dropped on the main window as Explorer drops them, beside the same
// first file chosen in the open-file dialog.
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
  // The shell's drop: a DROPFILES block with the wide paths in the
  // receiver's memory, whose handle WM_DROPFILES brings.
  void drop(const std::vector<std::wstring>& paths) {
    std::wstring files;
    for (const std::wstring& path : paths) files += path + L'\0';
    const DROPFILES header{sizeof(DROPFILES), {60, 120}, FALSE, TRUE};
    std::vector<char> block(sizeof header + (files.size() + 1) * sizeof(wchar_t));
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, files.c_str(), (files.size() + 1) * sizeof(wchar_t));
    void* there = VirtualAllocEx(process_->handle(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(there && WriteProcessMemory(process_->handle(), there, block.data(), block.size(), nullptr));
    ASSERT_TRUE(PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(there), 0));
  }
  // The path field, and whether "Uygula" and the two options are enabled and checked.
  std::vector<std::wstring> shown() {
    std::vector<std::wstring> seen{windowText(pathField())};
    for (const wchar_t* caption : {L"Uygula", L"XP Tarzı görünüm desteği ver", L"Önceden yapılmış değişikliği geri al"}) {
      const HWND button = control(L"Button", caption);
      seen.push_back(std::to_wstring(IsWindowEnabled(button)) + std::to_wstring(checked(button)));
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
  const std::wstring missing = folder_ + L"\\Yok.exe";
  const std::wstring notFound = win32::ToWide(app::kNotFoundMessage);
  struct Row {
    const char* what;
    std::vector<std::wstring> dropped;
    bool manifestBeside, selects;
    std::vector<std::wstring> messages;  // the dialog's lack the first of several
  };
  const Row rows[] = {
      {"a program", {target_}, false, true, {}},
      {"one with a manifest beside it", {target_}, true, true, {}},
      {"a missing one", {missing}, true, false, {notFound}},
      {"two, the first a program", {target_, missing}, true, true, {win32::ToWide(app::kOneProgramAtATimeMessage)}},
      {"Kovrena itself", {kKovrenaExe}, true, false, {win32::ToWide(app::kSelfChosenMessage)}},
      // Named in the dialog, a folder opens: no dialog to set beside it.
      {"a folder", {folder_}, true, false, {notFound}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    if (row.manifestBeside) CopyFileW(kProbeExe.c_str(), (target_ + L".manifest").c_str(), FALSE);
    drop(row.dropped);
    expectMessages(row.messages);
    const std::vector<std::wstring> dropped = shown();
    EXPECT_EQ(dropped[0], row.selects ? row.dropped[0] : L"");
    if (row.dropped[0] == folder_) continue;
    choose(row.dropped[0]);
    expectMessages(row.dropped.size() > 1 ? std::vector<std::wstring>() : row.messages);
    EXPECT_EQ(dropped, shown());
  }
  drop({missing});
  ASSERT_NE(dialogTitled(L"Kovrena"), nullptr);
  drop({target_});
  expectMessages({notFound});
  EXPECT_EQ(windowText(pathField()), L"") << "taken under the message box";
}

}  // namespace
}  // namespace kovrena::testing
