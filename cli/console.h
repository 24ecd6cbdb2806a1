#pragma once
// Where the command line's words go. Text is UTF-8 with '\n' line ends;
// the platform turns it into what its terminal or pipe expects.
#include <optional>
#include <string>
#include <string_view>

namespace kovrena::cli {

class Console {
 public:
  virtual ~Console() = default;
  virtual void out(std::string_view text) = 0;  // results
  virtual void err(std::string_view text) = 0;  // failures and usage errors
  // Why results given to out() were lost (standard output closed, a full
  // disk), once any were; the run then fails, whatever else it did.
  virtual std::optional<std::string> outputFailure() const { return std::nullopt; }
};

}  // namespace kovrena::cli
