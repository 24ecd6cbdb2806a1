#pragma once
// A process launcher that records what it was asked to start.
#include <set>
#include <string>
#include <vector>

#include "platform/process_launcher.h"

namespace kovrena::testing {

// Starts succeed for the listed paths only, as a real start does for files
// that exist; an empty path never starts.
class FakeLauncher : public ProcessLauncher {
 public:
  struct Start {
    std::string path;
    int showCommand;
    friend bool operator==(const Start&, const Start&) = default;
  };
  std::set<std::string> startable;
  std::vector<Start> starts;

  Status start(const std::string& path, int showCommand) override {
    starts.push_back({path, showCommand});
    if (path.empty() || startable.count(path) == 0) return Error{kErrFileNotFound, "cannot start"};
    return std::nullopt;
  }
};

}  // namespace kovrena::testing
