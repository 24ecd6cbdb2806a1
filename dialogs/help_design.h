#pragma once
// The design of the help window frmYardım.
#include "dialogs/help_text.h"
#include "ui/control_design.h"
#include "ui/design.h"

namespace kovrena::dialogs {

inline constexpr int kHelpClientWidth = 410;  // client area, which is the whole window
inline constexpr int kHelpClientHeight = 300;

inline constexpr ui::Rect kHelpLabelRect{49, 15, 312, 18};  // Label1
inline constexpr ui::Rect kHelpTextRect{22, 38, 365, 207};  // txtYardım
inline constexpr ui::Rect kHelpOkRect{148, 253, 114, 27};   // cmdTamam

inline constexpr ui::Rgb kHelpLabelColour{0xFF, 0xFF, 0xFF};
inline constexpr ui::Rgb kHelpTextBackground{0xFF, 0xFF, 0x00};
inline constexpr ui::FontDesign kHelpTextFont{"Tahoma", 825, 400, false, ui::kTurkishCharset};

// The fonts of the design, and the controls with their window identifiers.
enum class HelpFont { Window, Text };
enum class HelpControl { Label1 = 100, txtYardım, cmdTamam = ui::kOkId };

// In tab order. Label1 leaves the mouse to the window, so that a drag over
// it moves the window as the background does. The text is set at load.
inline constexpr ui::ControlDesign kHelpControls[] = {
    {.id = HelpControl::Label1, .caption = kHelpLabelCaption, .rect = kHelpLabelRect, .align = ui::Align::Centre,
     .takesMouse = false},
    {.id = HelpControl::txtYardım, .kind = ui::ControlKind::TextField, .rect = kHelpTextRect, .font = HelpFont::Text,
     .tabStop = true, .multiLine = true},
    {.id = HelpControl::cmdTamam, .kind = ui::ControlKind::PushButton, .caption = kOkCaption, .rect = kHelpOkRect,
     .tabStop = true},
};

}  // namespace kovrena::dialogs
