#pragma once
// When a mouse move over a draggable surface starts the system's window move.
#include <cstdint>

namespace kovrena::dialogs {

// The button set a mouse event carries: 1 left, 2 right, 4 middle.
namespace buttons {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
}  // namespace buttons

// The button set of a Windows mouse message's key flags (MK_LBUTTON 0x1,
// MK_RBUTTON 0x2, MK_MBUTTON 0x10). Shift, Control and the extra buttons are
// not part of the set.
int ButtonSetFromKeyFlags(std::uint32_t keyFlags);

// Only the left button alone moves the window: a move with no button, with
// another button, or with the left button and another one does nothing.
constexpr bool PencereyiTaşır(int buttonSet) { return buttonSet == buttons::kLeft; }

}  // namespace kovrena::dialogs
