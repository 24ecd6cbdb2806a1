#include "platform/win32/last_error.h"

#include <string>
#include <utility>

#include "platform/win32/text.h"
#include "text/decimal.h"

namespace kovrena::win32 {

Error ErrorFromCode(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length != 0 && buffer != nullptr ? std::wstring(buffer, length) : std::wstring();
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  // The number through the narrow conversion: the wide one formats with a
  // printf that would be linked into the program for this line alone.
  std::string description = text.empty() ? "Windows error " + text::Decimal(code) : ToUtf8(text);
  const bool notFound = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
  return Error{notFound ? kErrFileNotFound : static_cast<std::int32_t>(code), std::move(description),
               notFound ? ErrorSource::Program : ErrorSource::Win32};
}

}  // namespace kovrena::win32
