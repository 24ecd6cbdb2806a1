#include "cli/win32/console.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/last_error.h"
#include "platform/win32/text.h"

namespace kovrena::cli::win32 {

namespace {

// Old consoles refuse very long writes; pieces of this many UTF-16 units
// are always taken.
constexpr std::size_t kConsoleChunk = 8192;

// Each returns false when the words were not all written, GetLastError()
// telling why.
bool writeConsole(HANDLE console, std::string_view text) {
  const std::wstring wide = kovrena::win32::ToWide(text);
  std::wstring_view rest = wide;
  while (!rest.empty()) {
    std::size_t count = std::min(rest.size(), kConsoleChunk);
    // A surrogate pair stays in one piece.
    if (count < rest.size() && rest[count - 1] >= 0xD800 && rest[count - 1] <= 0xDBFF) --count;
    DWORD written = 0;
    if (!WriteConsoleW(console, rest.data(), static_cast<DWORD>(count), &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    rest.remove_prefix(written);
  }
  return true;
}

bool writeBytes(HANDLE file, std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  std::string_view rest = bytes;
  while (!rest.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
    if (!WriteFile(file, rest.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_HANDLE_DISK_FULL);
      return false;
    }
    rest.remove_prefix(written);
  }
  return true;
}

bool write(DWORD which, std::string_view text) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) return writeConsole(handle, text);
  return writeBytes(handle, text);
}

}  // namespace

void Win32Console::out(std::string_view text) {
  if (text.empty() || outFailure_) return;
  if (!write(STD_OUTPUT_HANDLE, text)) outFailure_ = kovrena::win32::LastError().description;
}

// Standard error has no one left to tell when it fails.
void Win32Console::err(std::string_view text) { (void)write(STD_ERROR_HANDLE, text); }

}  // namespace kovrena::cli::win32
