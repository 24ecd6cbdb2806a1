#include "ui/win32/control_factory.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/text.h"
#include "ui/win32/gdi_design.h"

namespace kovrena::ui::win32 {
namespace {

enum class Id { Label = 10, Note, Field, Text, Ok = kOkId, Off = 20, Yes, No, Mark, Holder, Icon, NoFont };
enum class Font { Window, Small, Large, Missing = 7 };

// One row of every kind and of every trait the rows can ask for.
constexpr ControlDesign kTable[] = {
    {.id = Id::Label, .caption = "A&b :", .rect = {5, 6, 70, 20}, .align = Align::Right},
    {.id = Id::Note, .caption = "Not", .rect = {5, 30, 90, 18}, .align = Align::Centre, .font = Font::Large,
     .takesMouse = false, .tooltip = "yer ipucu"},
    {.id = Id::Field, .kind = ControlKind::TextField, .rect = {80, 6, 120, 22}, .tabStop = true, .groupStart = true},
    {.id = Id::Text, .kind = ControlKind::TextField, .rect = {5, 50, 200, 60}, .font = Font::Small, .tabStop = true,
     .multiLine = true},
    {.id = Id::Ok, .kind = ControlKind::PushButton, .caption = "Tamam", .rect = {210, 6, 80, 24}, .tabStop = true},
    {.id = Id::Off, .kind = ControlKind::PushButton, .caption = "&Kapalı", .rect = {210, 34, 80, 24}, .enabled = false},
    {.id = Id::Yes, .kind = ControlKind::OptionButton, .caption = "Evet", .rect = {5, 115, 90, 20}, .groupStart = true,
     .selected = true},
    {.id = Id::No, .kind = ControlKind::OptionButton, .caption = "Hayır", .rect = {100, 115, 90, 20}},
    {.id = Id::Mark, .kind = ControlKind::Picture, .rect = {5, 140, 17, 17}, .tooltip = "Çıkış"},
    {.id = Id::Holder, .kind = ControlKind::Picture, .rect = {30, 140, 60, 30}, .holdsControls = true},
    {.id = Id::Icon, .kind = ControlKind::Icon, .rect = {100, 140, 32, 32}, .takesMouse = false},
    {.id = Id::NoFont, .caption = "yok", .rect = {140, 140, 40, 16}, .font = Font::Missing},
};

struct Expected {
  Id id;
  const wchar_t* windowClass;
  LONG styleSet;
  LONG styleClear;
  LONG exStyle;
  LRESULT check;  // BM_GETCHECK, which only option buttons answer
};
const Expected kExpected[] = {
    {Id::Label, L"Static", SS_RIGHT | SS_NOPREFIX | SS_NOTIFY, WS_TABSTOP | WS_GROUP | WS_DISABLED, 0, 0},
    {Id::Note, L"Static", SS_CENTER | SS_NOPREFIX, SS_NOTIFY, 0, 0},
    {Id::Field, L"Edit", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, ES_MULTILINE | WS_VSCROLL,
     WS_EX_CLIENTEDGE, 0},
    {Id::Text, L"Edit", ES_READONLY | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
     ES_AUTOHSCROLL | ES_WANTRETURN | WS_GROUP, WS_EX_CLIENTEDGE, 0},
    {Id::Ok, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, WS_DISABLED, 0, 0},
    {Id::Off, L"Button", WS_DISABLED, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0},
    // A checked option button is a tab stop of its own accord.
    {Id::Yes, L"Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 0, BST_CHECKED},
    {Id::No, L"Button", BS_AUTORADIOBUTTON, WS_GROUP | WS_TABSTOP, 0, BST_UNCHECKED},
    {Id::Mark, L"Static", SS_BITMAP | SS_NOTIFY, WS_CLIPCHILDREN, 0, 0},
    {Id::Holder, L"Static", SS_BITMAP | SS_NOTIFY | WS_CLIPCHILDREN, 0, WS_EX_CONTROLPARENT, 0},
    {Id::Icon, L"Static", SS_ICON, SS_NOTIFY, 0, 0},
    {Id::NoFont, L"Static", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0, 0, 0},
};
static_assert(std::size(kExpected) == std::size(kTable));

std::wstring textOf(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

struct Parent {
  Parent() {
    InitCommonControls();
    window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 320, 200, nullptr, nullptr, nullptr, nullptr);
    const FontDesign designs[] = {kWindowFont, {"Tahoma", 825, 400}, {"Arial", 1200, 700, true}};
    for (const FontDesign& design : designs) fonts.push_back(CreateDesignFont(design));
  }
  ~Parent() { DestroyWindow(window); }
  HWND window = nullptr;
  std::vector<kovrena::win32::UniqueFont> fonts;
};

TEST(CreateControls, MakesEveryRowOfItsKindInTableOrderWithItsPlaceTextFontAndState) {
  Parent parent;
  ASSERT_TRUE(CreateControls(parent.window, kTable, parent.fonts));
  HWND control = GetWindow(parent.window, GW_CHILD);
  for (std::size_t i = 0; i < std::size(kTable); ++i, control = GetWindow(control, GW_HWNDNEXT)) {
    const ControlDesign& design = kTable[i];
    const Expected& expected = kExpected[i];
    SCOPED_TRACE(static_cast<int>(design.id));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetDlgCtrlID(control), static_cast<int>(expected.id)) << "created in the table's order";
    wchar_t windowClass[16] = {};
    GetClassNameW(control, windowClass, 16);
    EXPECT_EQ(lstrcmpiW(windowClass, expected.windowClass), 0) << windowClass;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    EXPECT_EQ(style & (expected.styleSet | WS_CHILD | WS_VISIBLE), expected.styleSet | WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(style & expected.styleClear, 0);
    if (design.kind == ControlKind::Label) {
      EXPECT_EQ(style & SS_TYPEMASK, expected.styleSet & SS_TYPEMASK);
    }
    EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT), expected.exStyle);
    EXPECT_EQ(SendMessageW(control, BM_GETCHECK, 0, 0), expected.check);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, parent.window, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, design.rect.left);
    EXPECT_EQ(place.top, design.rect.top);
    EXPECT_EQ(place.right - place.left, design.rect.width);
    EXPECT_EQ(place.bottom - place.top, design.rect.height);
    // Pictures and icons show neither text nor font.
    if (design.kind == ControlKind::Picture || design.kind == ControlKind::Icon) continue;
    EXPECT_EQ(textOf(control), kovrena::win32::ToWide(design.caption));
    const auto font = static_cast<std::size_t>(static_cast<int>(design.font));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
              font < parent.fonts.size() ? parent.fonts[font].get() : nullptr);
  }
  EXPECT_EQ(control, nullptr) << "nothing beyond the table";

  // The fonts keep the pixel heights the designs had at 96 DPI.
  const LONG heights[] = {-11, -11, -16};
  for (std::size_t i = 0; i < parent.fonts.size(); ++i) {
    LOGFONTW font{};
    GetObjectW(parent.fonts[i].get(), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, heights[i]) << i;
  }
  EXPECT_FALSE(CreateControls(nullptr, kTable, parent.fonts)) << "controls without a parent";
}

// Every tip of the table, on a window and on a control that holds others
// (whose tool tips belong to its top-level window): a control taking the
// mouse is its own tool, one it passes through is its place.
TEST(CreateToolTips, OneToolPerTipOwnedByTheTopLevelWindow) {
  Parent parent;
  ASSERT_TRUE(CreateControls(parent.window, kTable, parent.fonts));
  const HWND holder = GetDlgItem(parent.window, static_cast<int>(Id::Holder));
  ASSERT_TRUE(CreateControls(holder, kTable, parent.fonts));
  for (const HWND on : {parent.window, holder}) {
    SCOPED_TRACE(on == holder ? "holder" : "window");
    const HWND tips = CreateToolTips(on, kTable);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(GetWindow(tips, GW_OWNER), parent.window);
    ASSERT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
    struct Tool {
      const wchar_t* text;
      bool isWindow;
      UINT_PTR id;
      RECT rect;
    };
    const Tool tools[] = {
        {L"yer ipucu", false, static_cast<UINT_PTR>(Id::Note), {5, 30, 95, 48}},
        {L"Çıkış", true, reinterpret_cast<UINT_PTR>(GetDlgItem(on, static_cast<int>(Id::Mark))), {}},
    };
    for (UINT i = 0; i < 2; ++i) {
      wchar_t text[32] = {};
      TOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V2_SIZE;
      tool.lpszText = text;
      ASSERT_TRUE(SendMessageW(tips, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)));
      EXPECT_STREQ(text, tools[i].text);
      EXPECT_EQ(tool.hwnd, on);
      EXPECT_EQ((tool.uFlags & TTF_IDISHWND) != 0, tools[i].isWindow);
      EXPECT_NE(tool.uFlags & TTF_SUBCLASS, 0u);
      EXPECT_EQ(tool.uId, tools[i].id);
      if (!tools[i].isWindow) {
        EXPECT_TRUE(EqualRect(&tool.rect, &tools[i].rect));
      }
    }
  }
}

}  // namespace
}  // namespace kovrena::ui::win32
