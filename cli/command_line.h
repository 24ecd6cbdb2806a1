#pragma once
// Reading the command line. Usage errors, help and the version are
// answers too: they come back as what to print and the exit status.
#include <optional>
#include <string>
#include <vector>

#include "cli/request.h"
#include "outcomes/verdict.h"

namespace kovrena::cli {

using outcomes::kExitDeclined;
using outcomes::kExitDone;
using outcomes::kExitFailed;
inline constexpr int kExitUsage = 2;  // the command line was not understood

struct ParsedCommandLine {
  std::optional<Request> request;  // work to do; otherwise end with the rest
  int exitCode = kExitDone;
  std::string out;  // help or version
  std::string err;  // usage error
};

// The arguments after the program's own name, as UTF-8.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// "kovrena-cli 1.0.0.0", the window program's version.
std::string VersionText();
// The help of the whole program, or of one command.
std::string HelpText(std::optional<Command> command);

}  // namespace kovrena::cli
