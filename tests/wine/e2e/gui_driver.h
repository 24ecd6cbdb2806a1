#pragma once
// Drives another process's windows the way a user or an accessibility tool
// would: finds them by class and text, reads their state, presses buttons.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/wine/support/child_process.h"
#include "tests/wine/support/windows_path.h"

namespace kovrena::testing {


// The program the tests start: the one the environment's
// KOVRENA_EXE_UNDER_TEST names (the i686 shipping build or its x86_64 build
// of the same making), else builtUnixPath.
std::wstring programUnderTest(const std::string& builtUnixPath);

std::wstring windowText(HWND window);
// The control that has the keyboard focus in the thread of this window.
HWND focusOf(HWND window);
std::wstring className(HWND window);

// All descendants of a window.
std::vector<HWND> descendants(HWND parent);
// The first descendant with this class (case-insensitive) and text.
HWND findChild(HWND parent, const std::wstring& windowClass, const std::wstring& text);

// Waits until predicate returns a window, or the time is up (then null).
// Every limit here is stretched by the wait scale (tests/wine/wait_scale.h).
HWND waitFor(const std::function<HWND()>& predicate, std::chrono::milliseconds limit = std::chrono::seconds(15));
bool waitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds limit = std::chrono::seconds(15));

// Top-level visible window of a process with this title (and class, when given).
HWND topLevelWindow(DWORD processId, const std::wstring& title, const std::wstring& windowClass = L"");

// Texts of a message box (the static controls) and its style buttons.
std::vector<std::wstring> staticTexts(HWND dialog);

// Presses a button without blocking on what the click opens.
void pressButton(HWND button);


// Saves what the screen shows of a window as a BMP file in the artifacts
// folder (KOVRENA_ARTIFACTS, else the temp folder); returns the path.
std::wstring saveScreenshot(HWND window, const std::wstring& name);

}  // namespace kovrena::testing
