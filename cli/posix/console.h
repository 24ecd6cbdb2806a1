#pragma once
#include "cli/console.h"

namespace kovrena::cli::posix {

// Standard output and standard error, written straight through so that the
// two streams keep their order on a terminal.
class PosixConsole final : public Console {
 public:
  void out(std::string_view text) override;
  void err(std::string_view text) override;
};

}  // namespace kovrena::cli::posix
