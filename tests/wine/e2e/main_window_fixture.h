#pragma once
// The running program and what a test does with its main window.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/program_selection.h"
#include "gui_driver.h"
#include "platform/win32/text.h"
#include "tests/wine/support/handled.h"
#include "tests/wine/wait_scale.h"

namespace kovrena::testing {

inline const std::wstring kKovrenaExe = programUnderTest(KOVRENA_EXE_UNIX_PATH);
// A 64-bit program without a manifest of its own, which reports the common
// controls the loader gave it: what the tests choose.
inline const std::wstring kProbeExe = windowsPathOf(KOVRENA_PROBE_UNIX_PATH);

// process's closed dialog can go on answering true for a while under Wine.)
inline bool gone(HWND window) {
  struct Search {
    HWND wanted;
    bool found;
  } search{window, false};
  EnumWindows(
      [](HWND each, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (each == s->wanted && IsWindowVisible(each)) s->found = true;
        return !s->found;
      },
      reinterpret_cast<LPARAM>(&search));
  return !search.found;
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"kovrena e2e " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    target_ = folder_ + L"\\Örnek Program.exe";
    ASSERT_TRUE(CopyFileW(kProbeExe.c_str(), target_.c_str(), FALSE));

    process_ = startProgram();
    ASSERT_TRUE(process_ && process_->started());
    WaitForInputIdle(process_->handle(), scaled(10000));
    window_ = waitFor([&] { return topLevelWindow(process_->id(), L"Kovrena", L"KovrenaAnaForm"); });
    ASSERT_NE(window_, nullptr) << "the main window did not appear";
  }

  void TearDown() override {
    process_.reset();
    const std::wstring manifest = target_ + L".manifest";
    SetFileAttributesW(manifest.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(manifest.c_str());
    DeleteFileW(target_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  // The program under test, started as a fixture needs it.
  virtual std::unique_ptr<ChildProcess> startProgram() { return std::make_unique<ChildProcess>(kKovrenaExe); }

  HWND control(const wchar_t* windowClass, const wchar_t* text) { return findChild(window_, windowClass, text); }
  HWND pathField() {
    for (HWND child : descendants(window_)) {
      if (_wcsicmp(className(child).c_str(), L"Edit") == 0) return child;
    }
    return nullptr;
  }
  bool checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  // A top-level dialog of the program with this title.
  HWND dialogTitled(const std::wstring& title) {
    return waitFor([&] { return topLevelWindow(process_->id(), title, L"#32770"); });
  }

  // Clicks "Gözat" and returns the open-file dialog once it has settled. It
  // must show the program's title and filter.
  HWND openProgramDialog() {
    pressButton(control(L"Button", L"Gözat"));
    const app::OpenFileSettings designed = app::ProgramDialogSettings();
    HWND dialog = dialogTitled(win32::ToWide(designed.title));
    if (dialog == nullptr) {
      ADD_FAILURE() << "the open-file dialog did not appear";
      return nullptr;
    }
    EXPECT_TRUE(WaitUntilHandled(dialog, scaled(15000))) << "the open-file dialog does not settle";
    EXPECT_EQ(windowText(GetDlgItem(dialog, cmb1)), win32::ToWide(designed.filterDescription));
    return dialog;
  }

  // Answers the open-file dialog with a typed path, or cancels it. Its file
  // name must be empty as it opens.
  void choose(const std::wstring& path, bool cancel = false) {
    HWND dialog = openProgramDialog();
    ASSERT_NE(dialog, nullptr);
    // The file-name box: the edit inside the explorer-style dialog's file-name combo.
    HWND name = nullptr;
    for (HWND child : descendants(dialog)) {
      if (name == nullptr && _wcsicmp(className(child).c_str(), L"Edit") == 0 && GetDlgCtrlID(child) == cmb13) {
        name = child;
      }
    }
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(windowText(name), L"");
    if (cancel) {
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else {
      // Typed once the dialog has settled; nothing it still had queued may
      // overwrite it.
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
      ASSERT_TRUE(WaitUntilHandled(dialog, scaled(15000)));
      ASSERT_EQ(windowText(name), path);
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    }
    ASSERT_TRUE(waitUntil([&] { return gone(dialog); })) << "the open-file dialog stayed open";
  }

  // Returns once the program has finished what it was doing and waits for
  // messages again: a sent message is answered only from its message loop.
  // Twice, as the first may still be answered by a closing dialog's loop.
  void waitUntilProgramIdle() {
    for (int round = 0; round < 2; ++round) {
      DWORD_PTR answer = 0;
      ASSERT_NE(SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(scaled(15000)), &answer), 0)
          << "the program does not answer";
    }
  }

  // Waits for the program's message box, checks its text and closes it.
  void expectMessage(const std::wstring& text, int button = IDOK) {
    HWND box = dialogTitled(L"Kovrena");
    ASSERT_NE(box, nullptr) << "no message box";
    bool found = false;
    for (const std::wstring& shown : staticTexts(box)) found = found || shown == text;
    EXPECT_TRUE(found) << "message box without the expected text";
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    ASSERT_TRUE(waitUntil([&] { return gone(box); }));
  }

  std::wstring folder_, target_;
  std::unique_ptr<ChildProcess> process_;
  HWND window_ = nullptr;
};

}  // namespace kovrena::testing
