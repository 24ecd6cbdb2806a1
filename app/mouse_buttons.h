#pragma once
// Mouse button sets as the window handlers see them: 1 left, 2 right, 4 middle.

namespace kovrena::app {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// A window is dragged only while the left button alone is held.
constexpr bool isDragButtonSet(int buttons) { return buttons == kLeftButton; }

}  // namespace kovrena::app
