#pragma once
// The design of the help window frmYardım.
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

}  // namespace kovrena::dialogs
