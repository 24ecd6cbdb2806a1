#pragma once
// A window's controls and tool tips made from its design table
// (ui/control_design.h): the one place that turns a row into Win32 classes
// and styles.
#include <windows.h>

#include <span>

#include "platform/win32/scoped.h"
#include "ui/control_design.h"

namespace kovrena::ui::win32 {

// Creates the table's controls on parent in the table's order, which makes
// it the tab order; each in the font its row names among fonts (none when
// fonts has no such entry). An option button the design selects starts
// checked. False when any control could not be created.
bool CreateControls(HWND parent, std::span<const ControlDesign> table,
                    std::span<const kovrena::win32::UniqueFont> fonts);

// One tool-tip window, owned by parent's top-level window and destroyed
// with it, with a tool for every control of the table on parent that has a
// tip. A control that takes the mouse is its own tool; the mouse passes
// through one that does not, so its tool is its place on parent. Null when
// the tool-tip window cannot be created.
HWND CreateToolTips(HWND parent, std::span<const ControlDesign> table);

}  // namespace kovrena::ui::win32
