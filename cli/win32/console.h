#pragma once
#include <optional>
#include <string>

#include "cli/console.h"

namespace kovrena::cli::win32 {

// Standard output and standard error. A console gets UTF-16 through
// WriteConsoleW, so Turkish letters show whatever its code page; a file or
// pipe gets UTF-8 bytes with CR LF line ends, as Windows tools read them.
class Win32Console final : public Console {
 public:
  void out(std::string_view text) override;
  void err(std::string_view text) override;
  // A closed or full standard output loses the results, and says so.
  std::optional<std::string> outputFailure() const override { return outFailure_; }
  // A console window's width; nothing where standard error is a file, a
  // pipe, or a console that tells no size (and so cannot be drawn on).
  std::optional<std::size_t> errLineWidth() const override;
  bool outIsTerminal() const override;
  // A file in the temporary folder that the system deletes when the last
  // handle goes, however the run ends.
  std::unique_ptr<Spool> spool() override;

 private:
  std::optional<std::string> outFailure_;
};

}  // namespace kovrena::cli::win32
