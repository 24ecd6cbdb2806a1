#pragma once
// What the user asked for on the command line.
#include <string>
#include <vector>

namespace kovrena::cli {

enum class Command { Status, Apply, Undo };

struct Request {
  Command command = Command::Status;
  bool force = false;
  bool recursive = false;
  bool json = false;
  std::vector<std::string> programs;  // as given: programs, or folders with recursive
  friend bool operator==(const Request&, const Request&) = default;
};

}  // namespace kovrena::cli
