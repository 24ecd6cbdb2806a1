#include "cli/win32/console.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/last_error.h"
#include "platform/win32/scoped.h"
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

class FileSpool final : public Spool {
 public:
  explicit FileSpool(kovrena::win32::UniqueHandle file) : file_(std::move(file)) {}

  Status write(std::string_view text) override {
    std::string_view rest = text;
    while (!rest.empty()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
      if (!WriteFile(file_.get(), rest.data(), chunk, &written, nullptr) || written == 0) {
        const Error failed = kovrena::win32::LastError();
        // What went in of it goes again: the spool holds whole pieces only.
        LONG high = static_cast<LONG>(size_ >> 32);
        SetFilePointer(file_.get(), static_cast<LONG>(size_ & 0xFFFFFFFFu), &high, FILE_BEGIN);
        SetEndOfFile(file_.get());
        return failed;
      }
      rest.remove_prefix(written);
    }
    size_ += text.size();
    return std::nullopt;
  }

  Status replay(const std::function<void(std::string_view)>& take) override {
    if (SetFilePointer(file_.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
      return kovrena::win32::LastError();
    }
    std::string piece(1 << 16, '\0');
    for (unsigned long long left = size_; left > 0;) {
      DWORD got = 0;
      if (!ReadFile(file_.get(), piece.data(), static_cast<DWORD>(piece.size()), &got, nullptr)) {
        return kovrena::win32::LastError();
      }
      if (got == 0) return Error{ERROR_HANDLE_EOF, "spool", ErrorSource::Win32};
      take(std::string_view(piece.data(), got));
      left -= got;
    }
    return std::nullopt;
  }

 private:
  kovrena::win32::UniqueHandle file_;
  unsigned long long size_ = 0;
};

bool isConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

std::optional<std::size_t> Win32Console::errLineWidth() const {
  const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleMode(handle, &mode) || !GetConsoleScreenBufferInfo(handle, &info)) return std::nullopt;
  const int width = info.srWindow.Right - info.srWindow.Left + 1;
  if (width <= 0) return std::nullopt;
  return static_cast<std::size_t>(width);
}

bool Win32Console::outIsTerminal() const { return isConsole(STD_OUTPUT_HANDLE); }

std::unique_ptr<Spool> Win32Console::spool() {
  wchar_t folder[MAX_PATH + 1] = {};
  wchar_t name[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH || GetTempFileNameW(folder, L"kov", 0, name) == 0) return nullptr;
  kovrena::win32::UniqueHandle file(CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN |
                                                    FILE_FLAG_DELETE_ON_CLOSE,
                                                nullptr));
  if (!file) {
    DeleteFileW(name);
    return nullptr;
  }
  return std::make_unique<FileSpool>(std::move(file));
}

void Win32Console::out(std::string_view text) {
  if (text.empty() || outFailure_) return;
  if (!write(STD_OUTPUT_HANDLE, text)) outFailure_ = kovrena::win32::LastError().description;
}

// Standard error has no one left to tell when it fails.
void Win32Console::err(std::string_view text) { (void)write(STD_ERROR_HANDLE, text); }

}  // namespace kovrena::cli::win32
