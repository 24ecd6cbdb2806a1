#pragma once
#include "cli/console.h"

namespace kovrena::cli::win32 {

// Standard output and standard error. A console gets UTF-16 through
// WriteConsoleW, so Turkish letters show whatever its code page; a file or
// pipe gets UTF-8 bytes with CR LF line ends, as Windows tools read them.
class Win32Console final : public Console {
 public:
  void out(std::string_view text) override;
  void err(std::string_view text) override;
};

}  // namespace kovrena::cli::win32
