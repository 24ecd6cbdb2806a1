#include "ui/mouse_buttons.h"

namespace kovrena::ui {

int ButtonSetFromKeyFlags(std::uint32_t keyFlags) {
  constexpr std::uint32_t kKeyLeft = 0x0001;
  constexpr std::uint32_t kKeyRight = 0x0002;
  constexpr std::uint32_t kKeyMiddle = 0x0010;
  int set = 0;
  if ((keyFlags & kKeyLeft) != 0) set |= kLeftButton;
  if ((keyFlags & kKeyRight) != 0) set |= kRightButton;
  if ((keyFlags & kKeyMiddle) != 0) set |= kMiddleButton;
  return set;
}

}  // namespace kovrena::ui
