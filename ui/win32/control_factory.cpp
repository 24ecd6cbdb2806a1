#include "ui/win32/control_factory.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/text.h"
#include "ui/win32/gdi_design.h"

namespace kovrena::ui::win32 {

namespace {

static_assert(kOkId == IDOK);

const wchar_t* windowClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextField:
      return L"EDIT";
    case ControlKind::PushButton:
    case ControlKind::OptionButton:
      return L"BUTTON";
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Icon:
      break;
  }
  return L"STATIC";
}

DWORD styleOf(const ControlDesign& design) {
  // Without SS_NOTIFY a static control is transparent to the mouse.
  const DWORD notify = design.takesMouse ? SS_NOTIFY : 0;
  DWORD style = 0;
  switch (design.kind) {
    case ControlKind::Label:
      style = StaticAlignment(design.align) | SS_NOPREFIX | notify;
      break;
    case ControlKind::TextField:
      // The program's text fields only show: locked against typing. No
      // ES_WANTRETURN: Enter belongs to the default button.
      style = ES_READONLY | (design.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL);
      break;
    case ControlKind::PushButton:
      style = static_cast<int>(design.id) == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      break;
    case ControlKind::OptionButton:
      style = BS_AUTORADIOBUTTON;
      break;
    case ControlKind::Picture:
      style = SS_BITMAP | notify;
      break;
    case ControlKind::Icon:
      style = SS_ICON | notify;
      break;
  }
  if (design.holdsControls) style |= WS_CLIPCHILDREN;
  if (design.tabStop) style |= WS_TABSTOP;
  if (design.groupStart) style |= WS_GROUP;
  if (!design.enabled) style |= WS_DISABLED;
  return style;
}

DWORD exStyleOf(const ControlDesign& design) {
  if (design.kind == ControlKind::TextField) return WS_EX_CLIENTEDGE;
  // Tab and the arrows reach the controls inside as if they were the window's own.
  return design.holdsControls ? WS_EX_CONTROLPARENT : 0;
}

}  // namespace

bool CreateControls(HWND parent, std::span<const ControlDesign> table,
                    std::span<const kovrena::win32::UniqueFont> fonts) {
  bool all = true;
  for (const ControlDesign& design : table) {
    const auto font = static_cast<std::size_t>(static_cast<int>(design.font));
    const HWND control =
        CreateControl(parent, windowClassOf(design.kind), kovrena::win32::ToWide(design.caption), styleOf(design),
                      design.rect, static_cast<int>(design.id), font < fonts.size() ? fonts[font].get() : nullptr,
                      exStyleOf(design));
    if (control == nullptr) {
      all = false;
    } else if (design.selected) {
      SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    }
  }
  return all;
}

HWND CreateToolTips(HWND parent, std::span<const ControlDesign> table) {
  // TTS_NOPREFIX: a tip shows as written.
  const HWND toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(parent, GA_ROOT), nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
  if (toolTips == nullptr) return nullptr;
  for (const ControlDesign& design : table) {
    if (design.tooltip.empty()) continue;
    // The tool-tip window keeps a copy of the text.
    std::wstring text = kovrena::win32::ToWide(design.tooltip);
    TOOLINFOW tool{};
    // The version-2 size is understood by every common-controls version,
    // with or without the visual styles.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.lpszText = text.data();
    if (design.takesMouse) {
      tool.uFlags |= TTF_IDISHWND;
      tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(parent, static_cast<int>(design.id)));
    } else {
      tool.uId = static_cast<UINT_PTR>(static_cast<int>(design.id));
      tool.rect = {design.rect.left, design.rect.top, design.rect.left + design.rect.width,
                   design.rect.top + design.rect.height};
    }
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return toolTips;
}

}  // namespace kovrena::ui::win32
