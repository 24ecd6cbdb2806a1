// What the system itself shows inside the program speaks the user's
// language: the program leaves the buttons of its question and of the
// open-file dialog to Windows, which on a Turkish system labels them in
// Turkish (the tests run Wine in the Turkish locale, as tools/wine-exec does).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main_window_fixture.h"
#include "app/manifest_messages.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "tests/fakes/pe_builder.h"
#include "tests/wine/platform/win_files.h"

namespace kovrena::testing {
namespace {

using kovrena::win32::ToWide;

std::wstring buttonText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

TEST_F(MainWindow, OpenDialogAndOverwriteQuestionSpeakTurkish) {
  HWND dialog = openProgramDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(buttonText(dialog, IDOK), L"&Aç");
  EXPECT_EQ(buttonText(dialog, IDCANCEL), L"İptal");
  saveScreenshot(dialog, L"open-dialog-tr");
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  ASSERT_TRUE(waitUntil([&] { return gone(dialog); }));

  // A manifest that comes into being after the selection is what the
  // question is asked about.
  choose(target_);
  // Its own check at selection must be over before the manifest appears.
  waitUntilProgramIdle();
  const std::wstring manifest = target_ + L".manifest";
  // Written by hand, binding the common controls: the question of a
  // manifest given before.
  ASSERT_TRUE(writeBytes(win32::ToUtf8(manifest), EmbeddedManifestText(true)));
  pressButton(control(L"Button", L"Uygula"));
  HWND box = dialogTitled(L"Kovrena");
  ASSERT_NE(box, nullptr) << "no question";
  bool asked = false;
  for (const std::wstring& shown : staticTexts(box)) asked = asked || shown == ToWide(app::kOverwriteQuestion);
  EXPECT_TRUE(asked);
  EXPECT_EQ(buttonText(box, IDYES), L"&Evet");
  EXPECT_EQ(buttonText(box, IDNO), L"&Hayır");
  saveScreenshot(box, L"overwrite-question-tr");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
  ASSERT_TRUE(waitUntil([&] { return gone(box); }));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(control(L"Button", L"Uygula")) != FALSE; }))
      << "No gives the apply button back";
}

}  // namespace
}  // namespace kovrena::testing
