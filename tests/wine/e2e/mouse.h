#pragma once
// Real input, as the user gives it: SendInput goes through the same path as
// the mouse (and under Xvfb reaches the X server).
#include <windows.h>

#include <initializer_list>

namespace kovrena::testing {

void moveMouseTo(POINT screen);
void pressMouse(DWORD downFlag);   // MOUSEEVENTF_LEFTDOWN, ..._RIGHTDOWN
void releaseMouse(DWORD upFlag);   // MOUSEEVENTF_LEFTUP, ..._RIGHTUP
void pressKey(WORD virtualKey);    // down and up
// Keys held together: pressed in this order, released in the reverse one.
void pressChord(std::initializer_list<WORD> virtualKeys);

// Screen position of a point given in a window's client coordinates.
POINT onScreen(HWND window, int x, int y);
// Centre of a window on the screen.
POINT centreOf(HWND window);

}  // namespace kovrena::testing
