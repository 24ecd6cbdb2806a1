#pragma once
// Where the command line's words go. Text is UTF-8 with '\n' line ends;
// the platform turns it into what its terminal or pipe expects.
#include <string_view>

namespace kovrena::cli {

class Console {
 public:
  virtual ~Console() = default;
  virtual void out(std::string_view text) = 0;  // results
  virtual void err(std::string_view text) = 0;  // failures and usage errors
};

}  // namespace kovrena::cli
