#pragma once
// A stand-in for the helper with full rights: the test says whether it is
// there and how the consent prompt is answered, and what the helper does.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/elevation.h"

namespace kovrena::testing {

class FakeElevation final : public Elevation {
 public:
  bool present = true;
  bool promptRefused = false;
  std::optional<Error> startFailure;
  // What the helper does with full rights, once the prompt let it run.
  std::function<void(const std::vector<std::string>&)> helper;
  std::vector<std::vector<std::string>> runs;

  bool helperPresent() override { return present; }
  std::string helperName() override { return "kovrena-cli.exe"; }
  Result<ElevatedRun> run(const std::vector<std::string>& arguments) override {
    runs.push_back(arguments);
    if (startFailure) return *startFailure;
    if (promptRefused) return ElevatedRun::Refused;
    if (helper) helper(arguments);
    return ElevatedRun::Ended;
  }
};

}  // namespace kovrena::testing
