#include "dialogs/window_move.h"

namespace kovrena::dialogs {

int ButtonSetFromKeyFlags(std::uint32_t keyFlags) {
  constexpr std::uint32_t kKeyLeft = 0x0001;
  constexpr std::uint32_t kKeyRight = 0x0002;
  constexpr std::uint32_t kKeyMiddle = 0x0010;
  int set = 0;
  if ((keyFlags & kKeyLeft) != 0) set |= buttons::kLeft;
  if ((keyFlags & kKeyRight) != 0) set |= buttons::kRight;
  if ((keyFlags & kKeyMiddle) != 0) set |= buttons::kMiddle;
  return set;
}

}  // namespace kovrena::dialogs
