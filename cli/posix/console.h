#pragma once
#include <optional>
#include <string>

#include "cli/console.h"

namespace kovrena::cli::posix {

// Standard output and standard error, written straight through so that the
// two streams keep their order on a terminal. Made before the run opens any
// file: a standard stream that is closed is taken by /dev/null, so that no
// file the run opens gets its number and the run's words; output to a closed
// standard output is lost, and said so.
class PosixConsole final : public Console {
 public:
  PosixConsole();
  void out(std::string_view text) override;
  void err(std::string_view text) override;
  std::optional<std::string> outputFailure() const override { return outFailure_; }
  std::optional<std::size_t> errLineWidth() const override;
  bool outIsTerminal() const override;
  // A file without a name in $TMPDIR (or /tmp): it goes when the run ends,
  // however it ends.
  std::unique_ptr<Spool> spool() override;

 private:
  std::optional<std::string> outFailure_;
  bool outClosed_ = false;
};

}  // namespace kovrena::cli::posix
