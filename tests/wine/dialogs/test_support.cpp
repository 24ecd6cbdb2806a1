#include "test_support.h"

#include <shlwapi.h>

#include "platform/win32/text.h"

namespace kovrena::testing {

TestKey::TestKey() { SHDeleteKeyW(HKEY_CURRENT_USER, kPath); }
TestKey::~TestKey() { SHDeleteKeyW(HKEY_CURRENT_USER, kPath); }

void TestKey::set(const std::wstring& subkey, const std::wstring& name, DWORD type, const std::string& bytes) {
  const std::wstring path = std::wstring(kPath) + L"\\" + subkey;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

std::string utf16Bytes(const std::wstring& text, bool terminated) {
  std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  if (terminated) bytes.append(2, '\0');
  return bytes;
}

std::string dwordBytes(std::uint32_t number) {
  return std::string(reinterpret_cast<const char*>(&number), sizeof number);
}

std::wstring windowsPath(const std::string& linuxPath) {
  std::wstring path = L"Z:" + kovrena::win32::toWide(linuxPath);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

Result<std::string> PlainLookupFiles::findFile(const std::string& path, std::uint32_t mask) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(kovrena::win32::toWide(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::string();
  FindClose(search);
  const DWORD guarded = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
      (found.dwFileAttributes & guarded & ~mask) != 0) {
    return std::string();
  }
  return kovrena::win32::toUtf8(found.cFileName);
}

namespace {
WhileShown* current = nullptr;
std::function<void()> pendingAction;
constexpr UINT_PTR kActionDelayMs = 150;
constexpr UINT_PTR kGiveUpMs = 8000;
UINT_PTR actionTimer = 0;
UINT_PTR giveUpTimer = 0;
}  // namespace

void CALLBACK WhileShown::onTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (id == actionTimer) {
    actionTimer = 0;
    if (pendingAction) pendingAction();
    return;
  }
  if (id == giveUpTimer) {
    giveUpTimer = 0;
    if (current != nullptr) current->timedOut_ = true;
    // Close whatever modal window is up, so the test goes on and fails.
    const HWND active = GetActiveWindow();
    if (active != nullptr) PostMessageW(active, WM_COMMAND, IDCANCEL, 0);
  }
}

void WhileShown::run(const std::function<void()>& show, const std::function<void()>& action) {
  current = this;
  pendingAction = action;
  timedOut_ = false;
  actionTimer = SetTimer(nullptr, 0, kActionDelayMs, onTimer);
  giveUpTimer = SetTimer(nullptr, 0, kGiveUpMs, onTimer);
  show();
  if (actionTimer != 0) KillTimer(nullptr, actionTimer);
  if (giveUpTimer != 0) KillTimer(nullptr, giveUpTimer);
  actionTimer = giveUpTimer = 0;
  pendingAction = nullptr;
  current = nullptr;
}

void pumpMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace kovrena::testing
