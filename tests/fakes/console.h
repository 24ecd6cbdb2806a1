#pragma once
// kovrena-cli's console as text: what the user would read on each stream.
#include <string>
#include <string_view>

#include "cli/console.h"

namespace kovrena::testing {

class RecordingConsole final : public cli::Console {
 public:
  std::string outText;
  std::string errText;
  void out(std::string_view text) override { outText += text; }
  void err(std::string_view text) override { errText += text; }
};

}  // namespace kovrena::testing
