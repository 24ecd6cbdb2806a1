#pragma once
// A stand-in for the helper with full rights: whether it is there, how the
// consent prompt is answered, and what the helper does.
#include <functional>
#include <string>
#include <vector>

#include "platform/elevation.h"

namespace kovrena::testing {

class FakeElevation final : public Elevation {
 public:
  bool present = true;
  bool promptRefused = false;
  std::function<void(const std::vector<std::string>&)> helper;
  std::vector<std::vector<std::string>> runs;

  bool helperPresent() override { return present; }
  Result<ElevatedRun> run(const std::vector<std::string>& arguments) override {
    runs.push_back(arguments);
    if (promptRefused) return ElevatedRun::Refused;
    helper(arguments);
    return ElevatedRun::Ended;
  }
};

}  // namespace kovrena::testing
