// Programs dropped on the main window as Explorer drops them, set beside the
// same files chosen in the open-file dialog.
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

// What the user sees of a selection.
struct Shown {
  std::wstring path;
  bool apply, applyOption, applyChecked, undoOption, undoChecked;
  friend bool operator==(const Shown&, const Shown&) = default;
};

class Drop : public MainWindow {
 protected:
  // The shell's drop: a DROPFILES block with the wide paths in the
  // receiver's memory, whose handle comes with WM_DROPFILES.
  void drop(const std::vector<std::wstring>& paths) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.pt = {60, 120};
    header.fWide = TRUE;
    std::vector<char> block(sizeof header);
    std::memcpy(block.data(), &header, sizeof header);
    for (const std::wstring& path : paths) {
      const auto* bytes = reinterpret_cast<const char*>(path.c_str());
      block.insert(block.end(), bytes, bytes + (path.size() + 1) * sizeof(wchar_t));
    }
    block.insert(block.end(), sizeof(wchar_t), '\0');
    void* there = VirtualAllocEx(process_->handle(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(there, nullptr);
    ASSERT_TRUE(WriteProcessMemory(process_->handle(), there, block.data(), block.size(), nullptr));
    ASSERT_TRUE(PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(there), 0));
  }

  Shown shown() {
    const HWND applyOption = control(L"Button", L"XP Tarzı görünüm desteği ver");
    const HWND undoOption = control(L"Button", L"Önceden yapılmış değişikliği geri al");
    return {windowText(pathField()), IsWindowEnabled(control(L"Button", L"Uygula")) != FALSE,
            IsWindowEnabled(applyOption) != FALSE, checked(applyOption), IsWindowEnabled(undoOption) != FALSE,
            checked(undoOption)};
  }

  // Every message box the program shows next, in order, closed with OK.
  void expectMessages(const std::vector<std::wstring>& texts) {
    for (const std::wstring& text : texts) expectMessage(text);
    waitUntilProgramIdle();
    EXPECT_EQ(topLevelWindow(process_->id(), L"Kovrena", L"#32770"), nullptr) << "a message box too many";
  }
};

TEST_F(Drop, ADroppedProgramIsSelectedAsTheDialogWouldSelectIt) {
  const std::wstring manifested = folder_ + L"\\Eski Program.exe";
  ASSERT_TRUE(CopyFileW(kProbeExe.c_str(), manifested.c_str(), FALSE));
  const std::wstring manifest = manifested + L".manifest";
  HANDLE file = CreateFileW(manifest.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  const std::wstring notFound = win32::ToWide(app::kNotFoundMessage);
  const std::wstring oneAtATime = win32::ToWide(app::kOneProgramAtATimeMessage);
  struct Row {
    const char* what;
    std::vector<std::wstring> dropped;
    std::vector<std::wstring> messages;  // the drop's; the dialog's are the same but the first of several
    bool selects;                        // the first file ends in the path field
    bool throughTheDialog;               // a folder named in the dialog opens the folder
  };
  const Row rows[] = {
      {"a program", {target_}, {}, true, true},
      {"a program with a manifest beside it", {manifested}, {}, true, true},
      {"a missing program", {folder_ + L"\\Yok.exe"}, {notFound}, false, true},
      {"a folder", {folder_}, {notFound}, false, false},
      {"two programs", {manifested, target_}, {oneAtATime}, true, true},
      {"Kovrena itself", {kKovrenaExe}, {win32::ToWide(app::kSelfChosenMessage)}, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    drop(row.dropped);
    expectMessages(row.messages);
    const Shown dropped = shown();
    EXPECT_EQ(dropped.path, row.selects ? row.dropped.front() : L"");
    EXPECT_EQ(dropped.apply, row.selects);
    if (!row.throughTheDialog) continue;
    choose(row.dropped.front());
    std::vector<std::wstring> dialogMessages(row.messages);
    if (row.dropped.size() > 1) dialogMessages.erase(dialogMessages.begin());
    expectMessages(dialogMessages);
    EXPECT_EQ(dropped, shown());
    saveScreenshot(window_, L"drop");
  }
  SetFileAttributesW(manifest.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(manifest.c_str());
  DeleteFileW(manifested.c_str());
}

// While a message box of the program is open, a drop is not taken: neither
// then nor once the box is closed.
TEST_F(Drop, IsNotTakenWhileAMessageBoxIsOpen) {
  drop({folder_ + L"\\Yok.exe"});
  ASSERT_NE(dialogTitled(L"Kovrena"), nullptr);
  drop({target_});
  expectMessages({win32::ToWide(app::kNotFoundMessage)});
  EXPECT_EQ(windowText(pathField()), L"");
  EXPECT_FALSE(IsWindowEnabled(control(L"Button", L"Uygula")));
}

}  // namespace
}  // namespace kovrena::testing
