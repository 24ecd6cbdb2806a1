#pragma once
// Reading the command line. Usage errors, help and the version are
// answers too: they come back as what to print and the exit status.
#include <optional>
#include <string>
#include <vector>

#include "cli/request.h"

namespace kovrena::cli {

inline constexpr int kExitDone = 0;      // every program got what was asked
inline constexpr int kExitFailed = 1;    // at least one failed: not found, or the platform failed
inline constexpr int kExitUsage = 2;     // the command line was not understood
inline constexpr int kExitDeclined = 3;  // none failed, but at least one was refused or needed nothing

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
