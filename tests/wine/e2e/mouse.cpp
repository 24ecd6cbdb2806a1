#include "mouse.h"

#include <iterator>

#include "tests/wine/wait_scale.h"

namespace kovrena::testing {

namespace {

void send(INPUT input) {
  SendInput(1, &input, sizeof(INPUT));
  Sleep(scaled(60));  // let the program see each step as a separate event
}

}  // namespace

void moveMouseTo(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
  const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, width);
  input.mi.dy = MulDiv(screen.y, 65535, height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  send(input);
}

void pressMouse(DWORD downFlag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = downFlag;
  send(input);
}

void releaseMouse(DWORD upFlag) { pressMouse(upFlag); }

void pressKey(WORD virtualKey) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  send(input);
  input.ki.dwFlags = KEYEVENTF_KEYUP;
  send(input);
}

void pressChord(std::initializer_list<WORD> virtualKeys) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  for (WORD key : virtualKeys) {
    input.ki.wVk = key;
    send(input);
  }
  input.ki.dwFlags = KEYEVENTF_KEYUP;
  for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
    input.ki.wVk = *key;
    send(input);
  }
}

POINT onScreen(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  return point;
}

POINT centreOf(HWND window) {
  RECT area{};
  GetWindowRect(window, &area);
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

}  // namespace kovrena::testing
