#pragma once
// What the user asked for on the command line.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "outcomes/action.h"

namespace kovrena::cli {

using Command = outcomes::Action;

struct CommandName {
  Command command;
  std::string_view name;  // as typed on the command line and written in JSON
};
// Every command, in the order the help lists them.
inline constexpr std::array<CommandName, 4> kCommandNames = {{
    {Command::Status, "status"},
    {Command::Check, "check"},
    {Command::Apply, "apply"},
    {Command::Undo, "undo"},
}};

constexpr std::string_view NameOf(Command command) {
  for (const CommandName& each : kCommandNames) {
    if (each.command == command) return each.name;
  }
  return {};
}

struct Request {
  Command command = Command::Status;
  bool force = false;
  bool recursive = false;
  bool json = false;
  std::vector<std::string> programs;  // as given: programs, or folders with recursive
  bool showEmbedded = false;  // check: print the program's own manifest
  bool quiet = false;         // no progress line on the terminal
  friend bool operator==(const Request&, const Request&) = default;
};

}  // namespace kovrena::cli
