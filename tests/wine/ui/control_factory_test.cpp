#include "ui/win32/control_factory.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/text.h"
#include "ui/win32/gdi_design.h"

namespace kovrena::ui::win32 {
namespace {

enum class Id { Label = 10, Note, Field, Text, Ok = kOkId, Off = 20, Yes, No, Mark, Holder, Icon };
enum class Font { Window, Large, Missing = 7 };

// Every kind and every trait a row can ask for, and what the control must be.
struct Row {
  ControlDesign design;
  const wchar_t* windowClass;
  LONG styleSet;
  LONG styleClear;
  LONG exStyle;
};
const Row kRows[] = {
    {{.id = Id::Label, .caption = "A&b :", .rect = {5, 6, 70, 20}, .align = Align::Right}, L"Static",
     SS_RIGHT | SS_NOPREFIX | SS_NOTIFY, WS_TABSTOP | WS_GROUP | WS_DISABLED, 0},
    {{.id = Id::Note, .caption = "Not", .rect = {5, 30, 90, 18}, .align = Align::Centre, .font = Font::Large,
      .takesMouse = false, .tooltip = "yer ipucu"},
     L"Static", SS_CENTER | SS_NOPREFIX, SS_NOTIFY, 0},
    {{.id = Id::Field, .kind = ControlKind::TextField, .rect = {80, 6, 120, 22}, .tabStop = true, .groupStart = true},
     L"Edit", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE},
    {{.id = Id::Text, .kind = ControlKind::TextField, .rect = {5, 50, 200, 60}, .font = Font::Missing,
      .multiLine = true},
     L"Edit", ES_READONLY | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, ES_AUTOHSCROLL | ES_WANTRETURN,
     WS_EX_CLIENTEDGE},
    {{.id = Id::Ok, .kind = ControlKind::PushButton, .caption = "Tamam", .rect = {210, 6, 80, 24}, .tabStop = true},
     L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, WS_DISABLED, 0},
    {{.id = Id::Off, .kind = ControlKind::PushButton, .caption = "&Kapalı", .rect = {210, 34, 80, 24},
      .enabled = false},
     L"Button", WS_DISABLED, BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
    // A checked option button is a tab stop of its own accord.
    {{.id = Id::Yes, .kind = ControlKind::OptionButton, .caption = "Evet", .rect = {5, 115, 90, 20},
      .groupStart = true, .selected = true},
     L"Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 0},
    {{.id = Id::No, .kind = ControlKind::OptionButton, .caption = "Hayır", .rect = {100, 115, 90, 20}}, L"Button",
     BS_AUTORADIOBUTTON, WS_GROUP | WS_TABSTOP, 0},
    {{.id = Id::Mark, .kind = ControlKind::Picture, .rect = {5, 140, 17, 17}, .tooltip = "Çıkış"}, L"Static",
     SS_BITMAP | SS_NOTIFY, WS_CLIPCHILDREN, 0},
    {{.id = Id::Holder, .kind = ControlKind::Picture, .rect = {30, 140, 60, 30}, .holdsControls = true}, L"Static",
     SS_BITMAP | SS_NOTIFY | WS_CLIPCHILDREN, 0, WS_EX_CONTROLPARENT},
    {{.id = Id::Icon, .kind = ControlKind::Icon, .rect = {100, 140, 32, 32}, .takesMouse = false}, L"Static", SS_ICON,
     SS_NOTIFY, 0},
};

struct Parent {
  Parent() {
    InitCommonControls();
    for (const Row& row : kRows) table.push_back(row.design);
    fonts.push_back(CreateDesignFont(kWindowFont));
    fonts.push_back(CreateDesignFont({"Arial", 1200, 700, true}));
  }
  ~Parent() { DestroyWindow(window); }
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 320, 200, nullptr, nullptr, nullptr, nullptr);
  std::vector<ControlDesign> table;
  std::vector<kovrena::win32::UniqueFont> fonts;
};

TEST(CreateControls, MakesEveryRowOfItsKindInTableOrderWithItsPlaceTextFontAndState) {
  Parent parent;
  ASSERT_TRUE(CreateControls(parent.window, parent.table, parent.fonts));
  HWND next = GetWindow(parent.window, GW_CHILD);
  for (const Row& row : kRows) {
    const ControlDesign& design = row.design;
    SCOPED_TRACE(static_cast<int>(design.id));
    const HWND control = next;
    ASSERT_NE(control, nullptr);
    next = GetWindow(control, GW_HWNDNEXT);
    EXPECT_EQ(GetDlgCtrlID(control), static_cast<int>(design.id)) << "created in the table's order";
    wchar_t windowClass[16] = {};
    GetClassNameW(control, windowClass, 16);
    EXPECT_EQ(lstrcmpiW(windowClass, row.windowClass), 0) << windowClass;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    EXPECT_EQ(style & (row.styleSet | WS_CHILD | WS_VISIBLE), row.styleSet | WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(style & row.styleClear, 0);
    EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT), row.exStyle);
    EXPECT_EQ(SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED, design.selected);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, parent.window, reinterpret_cast<POINT*>(&place), 2);
    const RECT designed{design.rect.left, design.rect.top, design.rect.left + design.rect.width,
                        design.rect.top + design.rect.height};
    EXPECT_TRUE(EqualRect(&place, &designed));
    // Pictures and icons show neither text nor font.
    if (design.kind == ControlKind::Picture || design.kind == ControlKind::Icon) continue;
    wchar_t text[32] = {};
    GetWindowTextW(control, text, 32);
    EXPECT_EQ(text, kovrena::win32::ToWide(design.caption));
    const auto font = static_cast<std::size_t>(static_cast<int>(design.font));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
              font < parent.fonts.size() ? parent.fonts[font].get() : nullptr);
  }
  EXPECT_EQ(next, nullptr) << "nothing beyond the table";
  EXPECT_FALSE(CreateControls(nullptr, parent.table, parent.fonts)) << "controls without a parent";
}

// On a window and on a control that holds others, whose tips belong to its
// top-level window: a control that takes the mouse is its own tool, one the
// mouse passes through is its place.
TEST(CreateToolTips, OneToolPerTipOwnedByTheTopLevelWindow) {
  Parent parent;
  ASSERT_TRUE(CreateControls(parent.window, parent.table, parent.fonts));
  const HWND holder = GetDlgItem(parent.window, static_cast<int>(Id::Holder));
  ASSERT_TRUE(CreateControls(holder, parent.table, parent.fonts));
  for (const HWND on : {parent.window, holder}) {
    const HWND tips = CreateToolTips(on, parent.table);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(GetWindow(tips, GW_OWNER), parent.window);
    ASSERT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
    wchar_t texts[2][32] = {};
    TOOLINFOW tools[2] = {};
    for (UINT i = 0; i < 2; ++i) {
      tools[i].cbSize = TTTOOLINFOW_V2_SIZE;
      tools[i].lpszText = texts[i];
      ASSERT_TRUE(SendMessageW(tips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tools[i])));
      EXPECT_EQ(tools[i].hwnd, on);
      EXPECT_NE(tools[i].uFlags & TTF_SUBCLASS, 0u);
    }
    EXPECT_STREQ(texts[0], L"yer ipucu");
    EXPECT_EQ(tools[0].uFlags & TTF_IDISHWND, 0u);
    const RECT notePlace{5, 30, 95, 48};
    EXPECT_TRUE(EqualRect(&tools[0].rect, &notePlace));
    EXPECT_STREQ(texts[1], L"Çıkış");
    EXPECT_NE(tools[1].uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(tools[1].uId, reinterpret_cast<UINT_PTR>(GetDlgItem(on, static_cast<int>(Id::Mark))));
  }
}

}  // namespace
}  // namespace kovrena::ui::win32
