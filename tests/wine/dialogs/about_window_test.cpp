#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/win32/about_window.h"
#include "dialogs/win32/program_version.h"
#include "platform/win32/file_system.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"
#include "resources/resource_ids.h"
#include "resources/version.h"
#include "test_support.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/process_launcher.h"
#include "tests/fakes/win32/shell_opener.h"

namespace kovrena::dialogs::win32 {
namespace {

using kovrena::testing::fontOf;
using kovrena::testing::windowText;
using kovrena::testing::WhileShown;
using kovrena::win32::ToWide;

// The window with services whose registry lookups find nothing, so the
// system-information button ends in its message.
struct Fixture {
  kovrena::win32::Win32Registry registry;
  kovrena::win32::Win32FileSystem files;
  kovrena::testing::FakeLauncher launcher;
  kovrena::testing::RecordingMessageBox messages;
  kovrena::testing::RecordingShell shell;
  AboutServices services{registry, files, launcher, messages, shell,
                            SysInfoLookups{{reg::kCurrentUser, "Software\\Kovrena Sınama\\Yok", "PATH"},
                                           {reg::kCurrentUser, "Software\\Kovrena Sınama\\Yok2", "MSINFO"}}};
  kovrena::testing::TestKey key;  // keeps the looked-up keys absent
};

HWND openAboutWindow() { return FindWindowW(L"KovrenaFrmHakkında", nullptr); }

bool underlined(const frmHakkında& form, AboutControl control) {
  return fontOf(form.control(control)).lfUnderline != 0;
}

TEST(frmHakkında, LoadShowsTitleVersionFromTheVersionRecordAndPlainLinks) {
#ifdef KOVRENA_TEST_HAS_RESOURCES
  const std::optional<ProgramVersion> version = ReadProgramVersion();
  ASSERT_TRUE(version.has_value()) << "the test program carries Kovrena's version record";
  EXPECT_EQ(version->major, static_cast<unsigned>(KOVRENA_VERSION_MAJOR));
  EXPECT_EQ(version->minor, static_cast<unsigned>(KOVRENA_VERSION_MINOR));
#endif
  Fixture fixture;
  frmHakkında form(fixture.services);
  ASSERT_TRUE(form.create(nullptr));
  EXPECT_EQ(windowText(form.handle()), L"Kovrena Hakkında ");
  EXPECT_EQ(windowText(form.control(AboutControl::lblTitle)), L"Kovrena");
  EXPECT_EQ(windowText(form.control(AboutControl::lblVersion)), L"Version: 1.0");
  EXPECT_FALSE(form.hover().emailVurgulu());
  EXPECT_FALSE(form.hover().webVurgulu());
  EXPECT_FALSE(underlined(form, AboutControl::emailgönder));
  EXPECT_FALSE(underlined(form, AboutControl::lblDrenvikElectronics));
}

// The controls themselves come from the design table through the factory
// (tests/wine/ui): here what the window adds to them.
// Its size, Tamam as IDOK and the font: ModalWindowContract.
TEST(frmHakkında, IsAFixedDialogWithItsIconsAndDefaultButton) {
  Fixture fixture;
  frmHakkında form(fixture.services);
  ASSERT_TRUE(form.create(nullptr));
  const LONG style = GetWindowLongW(form.handle(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(GetWindowLongW(form.handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  EXPECT_NE(GetWindowLongW(form.control(AboutControl::cmdOK), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
#ifdef KOVRENA_TEST_HAS_RESOURCES
  EXPECT_NE(SendMessageW(form.handle(), WM_GETICON, ICON_BIG, 0), 0) << "window icon";
  EXPECT_NE(SendMessageW(form.control(AboutControl::Image1), STM_GETICON, 0, 0), 0) << "Image1 picture";
#endif
}

TEST(frmHakkında, UnderlinesLinksOnHoverThroughMouseMoves) {
  const POINT email{150, 165}, web{150, 135}, background{10, 10}, separator{100, 186},
      label2{150, 110}, image{30, 30}, gap{150, 150};
  struct Step {
    POINT at;
    bool email;
    bool web;
  };
  struct Row {
    const char* what;
    std::vector<Step> steps;
  };
  const Row rows[] = {
      {"e-mail on, background off", {{email, true, false}, {email, true, false}, {background, false, false}}},
      {"web on, separator off", {{web, false, true}, {separator, false, false}}},
      {"fast move between links keeps both", {{email, true, false}, {web, true, true}, {gap, false, false}}},
      {"labels and the picture keep it", {{web, false, true}, {label2, false, true}, {image, false, true},
                                           {background, false, false}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Fixture fixture;
    frmHakkında form(fixture.services);
    ASSERT_TRUE(form.create(nullptr));
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
      SCOPED_TRACE(i);
      const Step& step = row.steps[i];
      SendMessageW(form.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(step.at.x, step.at.y));
      EXPECT_EQ(form.hover().emailVurgulu(), step.email);
      EXPECT_EQ(form.hover().webVurgulu(), step.web);
      EXPECT_EQ(underlined(form, AboutControl::emailgönder), step.email);
      EXPECT_EQ(underlined(form, AboutControl::lblDrenvikElectronics), step.web);
    }
  }
}

TEST(frmHakkında, ClickedLinksOpenThroughTheShell) {
  struct Press {
    UINT message;
    POINT at;
  };
  struct Row {
    const char* what;
    std::vector<Press> presses;
    std::vector<std::wstring> opened;
  };
  const POINT email{150, 165}, web{150, 135}, background{10, 10};
  const Row rows[] = {
      {"e-mail", {{WM_LBUTTONDOWN, email}, {WM_LBUTTONUP, email}}, {L"mailto:destek@drenvik.example"}},
      {"web", {{WM_LBUTTONDOWN, web}, {WM_LBUTTONUP, web}}, {L"www.drenvik.example"}},
      {"each click opens again",
       {{WM_LBUTTONDOWN, web}, {WM_LBUTTONUP, web}, {WM_LBUTTONDOWN, web}, {WM_LBUTTONUP, web}},
       {L"www.drenvik.example", L"www.drenvik.example"}},
      {"double click opens once",
       {{WM_LBUTTONDOWN, email}, {WM_LBUTTONUP, email}, {WM_LBUTTONDBLCLK, email}, {WM_LBUTTONUP, email}},
       {L"mailto:destek@drenvik.example"}},
      {"pressed on a link, released off it", {{WM_LBUTTONDOWN, email}, {WM_LBUTTONUP, background}}, {}},
      {"pressed on one link, released on the other", {{WM_LBUTTONDOWN, email}, {WM_LBUTTONUP, web}}, {}},
      {"background", {{WM_LBUTTONDOWN, background}, {WM_LBUTTONUP, background}}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Fixture fixture;
    frmHakkında form(fixture.services);
    ASSERT_TRUE(form.create(nullptr));
    for (const Press& press : row.presses) {
      const WPARAM keys = press.message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
      SendMessageW(form.handle(), press.message, keys, MAKELPARAM(press.at.x, press.at.y));
    }
    ASSERT_EQ(fixture.shell.calls.size(), row.opened.size());
    for (std::size_t i = 0; i < row.opened.size(); ++i) {
      const kovrena::testing::RecordingShell::Call& call = fixture.shell.calls[i];
      EXPECT_EQ(call.window, form.handle());
      EXPECT_FALSE(call.operationGiven);
      EXPECT_EQ(call.file, row.opened[i]);
      EXPECT_FALSE(call.parametersGiven);
      EXPECT_EQ(call.directory, L"C:\\");
      EXPECT_EQ(call.showCommand, SW_SHOWNORMAL);
    }
    EXPECT_TRUE(fixture.messages.shown.empty());
  }
}

TEST(frmHakkında, SystemInformationButtonShowsTheOneMessageWhenNothingIsFound) {
  Fixture fixture;
  frmHakkında form(fixture.services);
  ASSERT_TRUE(form.create(nullptr));
  SendMessageW(form.control(AboutControl::cmdSysInfo), BM_CLICK, 0, 0);
  ASSERT_EQ(fixture.messages.shown.size(), 1u);
  EXPECT_EQ(fixture.messages.shown[0].text, "Sistem bilgilerinize şu an ulaşılamıyor");
  EXPECT_EQ(fixture.messages.shown[0].style, 0u);
  EXPECT_TRUE(fixture.launcher.starts.empty());
  EXPECT_FALSE(form.closed()) << "the window stays open";
}

TEST(frmHakkında, LinksShowThePointingHandAndTheirTooltips) {
  Fixture fixture;
  frmHakkında form(fixture.services);
  ASSERT_TRUE(form.create(nullptr));
  SetWindowPos(form.handle(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_EL_BAGLANTI));
  if (hand == nullptr) hand = LoadCursorW(nullptr, IDC_HAND);
  struct Row {
    const char* what;
    POINT at;
    HWND receiver;
    bool hand;
  };
  const Row rows[] = {
      {"e-mail", {150, 165}, form.handle(), true},
      {"web", {150, 135}, form.handle(), true},
      {"Label2", {150, 110}, form.handle(), false},
      {"background", {10, 10}, form.handle(), false},
      {"cmdOK", {300, 210}, form.control(AboutControl::cmdOK), false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    POINT screen = row.at;
    ClientToScreen(form.handle(), &screen);
    EXPECT_EQ(WindowFromPoint(screen), row.receiver) << "labels leave the mouse to the window";
    SetCursorPos(screen.x, screen.y);
    SetCursor(nullptr);
    SendMessageW(row.receiver, WM_SETCURSOR, reinterpret_cast<WPARAM>(row.receiver),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor() == hand, row.hand);
  }

  // The tooltips belong to the window and describe the two links.
  HWND tooltip = nullptr;
  while ((tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
    if (GetWindow(tooltip, GW_OWNER) == form.handle()) break;
  }
  ASSERT_NE(tooltip, nullptr);
  ASSERT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
  std::vector<std::wstring> texts;
  for (UINT i = 0; i < 2; ++i) {
    wchar_t text[80] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool));
    texts.push_back(text);
  }
  // In the reading order: the web address above the e-mail address.
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"http://www.drenvik.example", L"e-mail gönder"}));
}

// The picture behind transparent labels: ModalWindowContract.
TEST(frmHakkında, DrawsTheSeparator) {
  Fixture fixture;
  frmHakkında form(fixture.services);
  ASSERT_TRUE(form.create(nullptr));
  const kovrena::testing::ClientPicture drawn(form.handle());
  EXPECT_EQ(drawn.at(100, 186), RGB(0x80, 0x80, 0x80));
  EXPECT_EQ(drawn.at(100, 187), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(drawn.at(100, 188), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(drawn.at(22, 187), RGB(0xFF, 0xFF, 0xFF)) << "the white element starts a pixel further left";
  EXPECT_NE(drawn.at(22, 186), RGB(0x80, 0x80, 0x80));
}

// Enter, Esc and Tamam alone: ModalWindowContract.
TEST(ShowAboutWindow, StartsTheToolWithAltSAndTabsToTheLinks) {
  struct Row {
    const char* what;
    std::vector<std::pair<UINT, WPARAM>> keys;  // posted to the focused control
    std::size_t messages;                         // launches that ended in the message
    std::vector<std::wstring> opened;             // links followed
  };
  // Tab runs on from Tamam to "Sistem Bilgisi", then to the links in reading order.
  const Row rows[] = {
      {"Alt+S, then Esc", {{WM_SYSCHAR, 's'}, {WM_KEYDOWN, VK_ESCAPE}}, 1, {}},
      {"Alt+S twice, then Enter", {{WM_SYSCHAR, 's'}, {WM_SYSCHAR, 'S'}, {WM_KEYDOWN, VK_RETURN}}, 2, {}},
      {"Tab twice, Enter on the web link, then Esc",
       {{WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, VK_RETURN}, {WM_KEYDOWN, VK_ESCAPE}}, 0,
       {L"www.drenvik.example"}},
      {"Tab three times, the space bar on the e-mail link, then Esc",
       {{WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, VK_SPACE},
        {WM_KEYDOWN, VK_ESCAPE}},
       0, {L"mailto:destek@drenvik.example"}},
  };
  const kovrena::testing::OwnerWindow owner;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Fixture fixture;
    WhileShown shown;
    shown.run([&] { ShowAboutWindow(owner.get(), fixture.services); },
              [&] {
                const HWND focus = GetFocus();
                for (const auto& [message, key] : row.keys) {
                  const LPARAM flags = message == WM_SYSCHAR ? (1 << 29) | 1 : 1;
                  PostMessageW(focus, message, key, flags);
                }
              });
    EXPECT_FALSE(shown.timedOut()) << "the window did not close";
    EXPECT_EQ(openAboutWindow(), nullptr);
    EXPECT_EQ(fixture.messages.shown.size(), row.messages);
    ASSERT_EQ(fixture.shell.calls.size(), row.opened.size());
    for (std::size_t i = 0; i < row.opened.size(); ++i) EXPECT_EQ(fixture.shell.calls[i].file, row.opened[i]);
  }
}

// With the system's own services: where the machine keeps no entry for the
// tool (as Wine's registry), the button ends in the real message box, modal
// to the about window.
TEST(ShowAboutWindow, SystemServicesShowTheMessageOverTheAboutWindow) {
  kovrena::win32::Win32Registry registry;
  for (const RegistryLookup& lookup : {DefaultSysInfoLookups().programFile, DefaultSysInfoLookups().folder}) {
    std::string text;
    const Result<bool> found = GetKeyValue(registry, lookup.root, lookup.keyPath, lookup.valueName, text);
    if (!found.ok() || found.value()) GTEST_SKIP() << "this machine names the tool: it would start";
  }
  HWND about = nullptr;
  HWND box = nullptr;
  HWND boxOwner = nullptr;
  std::wstring boxTitle;
  bool aboutDisabled = false;
  WhileShown shown;
  shown.run([] { ShowAboutWindow(nullptr); },
            {[&] {
               about = openAboutWindow();
               PostMessageW(FindWindowExW(about, nullptr, L"Button", L"&Sistem Bilgisi"), BM_CLICK, 0, 0);
             },
             [&] {
               box = FindWindowW(L"#32770", nullptr);
               boxOwner = box != nullptr ? GetWindow(box, GW_OWNER) : nullptr;
               boxTitle = box != nullptr ? windowText(box) : L"";
               aboutDisabled = !IsWindowEnabled(about);
               if (box != nullptr) PostMessageW(box, WM_COMMAND, IDOK, 0);
             },
             [&] { PostMessageW(about, WM_COMMAND, IDCANCEL, 0); }});
  EXPECT_FALSE(shown.timedOut());
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(boxOwner, about) << "the message box belongs to the about window";
  EXPECT_EQ(boxTitle, L"Kovrena");
  EXPECT_TRUE(aboutDisabled) << "the message is modal to the about window";
}

}  // namespace
}  // namespace kovrena::dialogs::win32
