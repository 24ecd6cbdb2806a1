#include "platform/posix/errno_error.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace kovrena::posix {

namespace {

// strerror_r comes in two shapes (XSI returns int and fills the buffer, GNU
// returns the text); overloads take whichever the C library declared.
[[maybe_unused]] const char* strerrorText(int result, const char* buffer) {
  return result == 0 ? buffer : "";
}
[[maybe_unused]] const char* strerrorText(const char* result, const char*) { return result; }

}  // namespace

Error errorFromErrno(int code) {
  char buffer[256] = {};
  std::string text = strerrorText(strerror_r(code, buffer, sizeof buffer), buffer);
  if (text.empty()) text = "errno " + std::to_string(code);
  const bool notFound = code == ENOENT || code == ENOTDIR;
  if (notFound) return Error{kErrFileNotFound, text};
  return Error{static_cast<std::int32_t>(code), text, ErrorSource::Errno};
}

Error lastErrno() { return errorFromErrno(errno); }

}  // namespace kovrena::posix
