#pragma once
// The button set a mouse event carries, as the windows' handlers see it.
#include <cstdint>

namespace kovrena::ui {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// The button set of a Windows mouse message's key flags (MK_LBUTTON 0x1,
// MK_RBUTTON 0x2, MK_MBUTTON 0x10). Shift, Control and the extra buttons are
// not part of the set.
int ButtonSetFromKeyFlags(std::uint32_t keyFlags);

// The left button held and no other: a window is dragged only then, and a
// pressed picture button keeps its pressed picture only then.
constexpr bool IsLeftButtonAlone(int buttonSet) { return buttonSet == kLeftButton; }

}  // namespace kovrena::ui
