#include "gui_driver.h"

#include <cstdlib>
#include <thread>

#include "platform/win32/scoped.h"
#include "tests/wine/wait_scale.h"

namespace kovrena::testing {

std::wstring programUnderTest(const std::string& builtUnixPath) {
  const char* named = std::getenv("KOVRENA_EXE_UNDER_TEST");
  return windowsPathOf(named != nullptr && *named != '\0' ? std::string(named) : builtUnixPath);
}

std::wstring windowText(HWND window) {
  // WM_GETTEXT, not GetWindowText: across processes the latter reads only the
  // caption the window manager keeps, which an edit control's text is not.
  wchar_t buffer[4096] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, &copied);
  return buffer;
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::wstring className(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

std::vector<HWND> descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND findChild(HWND parent, const std::wstring& windowClass, const std::wstring& text) {
  for (HWND child : descendants(parent)) {
    if (_wcsicmp(className(child).c_str(), windowClass.c_str()) == 0 && windowText(child) == text) return child;
  }
  return nullptr;
}

HWND waitFor(const std::function<HWND()>& predicate, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + scaled(limit);
  do {
    if (HWND found = predicate()) return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  } while (std::chrono::steady_clock::now() < end);
  return nullptr;
}

bool waitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds limit) {
  // Any non-null handle stands for "true" (HWND_DESKTOP is null).
  const HWND yes = GetDesktopWindow();
  return waitFor([&]() -> HWND { return predicate() ? yes : nullptr; }, limit) != nullptr;
}

HWND topLevelWindow(DWORD processId, const std::wstring& title, const std::wstring& windowClass) {
  struct Search {
    DWORD processId;
    const std::wstring* title;
    const std::wstring* windowClass;
    HWND found;
  } search{processId, &title, &windowClass, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId || !IsWindowVisible(window)) return TRUE;
        if (windowText(window) != *s->title) return TRUE;
        if (!s->windowClass->empty() && className(window) != *s->windowClass) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::wstring> staticTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  for (HWND child : descendants(dialog)) {
    if (_wcsicmp(className(child).c_str(), L"Static") == 0) {
      const std::wstring text = windowText(child);
      if (!text.empty()) texts.push_back(text);
    }
  }
  return texts;
}

void pressButton(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

std::wstring saveScreenshot(HWND window, const std::wstring& name) {
  wchar_t folder[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"KOVRENA_ARTIFACTS", folder, MAX_PATH) == 0) GetTempPathW(MAX_PATH, folder);
  std::wstring path = folder;
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L"\\";
  // A Linux folder handed over in the environment is reached through Z:.
  if (!path.empty() && path[0] == L'/') path = windowsPathOf(win32::ToUtf8(path));
  // Made here when the tests run without the test command, which makes it.
  CreateDirectoryW(path.c_str(), nullptr);
  path += name + L".bmp";

  RECT area{};
  GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const win32::WindowDC screen(nullptr);
  const win32::MemoryDC memory(screen.get());
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  const win32::UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return L"";
  const win32::SelectedObject copyingInto(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4d42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + rowBytes * static_cast<DWORD>(height);
  const win32::UniqueHandle out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (out) {
    DWORD written = 0;
    WriteFile(out.get(), &file, sizeof(file), &written, nullptr);
    WriteFile(out.get(), &info.bmiHeader, sizeof(info.bmiHeader), &written, nullptr);
    WriteFile(out.get(), bits, rowBytes * static_cast<DWORD>(height), &written, nullptr);
  }
  return path;
}

}  // namespace kovrena::testing
