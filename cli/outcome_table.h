#pragma once
// What each outcome means on the command line: its name in JSON, how a
// script reads it, the exit status it gives and the words a person reads,
// one row each.
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "cli/program_report.h"
#include "cli/request.h"

namespace kovrena::cli {

// How a script reads an outcome: done, refused by policy or nothing to do,
// or failed; the worst of a run is its exit status.
enum class Verdict { Done, Declined, Failed };

struct OutcomeRow {
  Outcome outcome;
  std::string_view json;  // "outcome" in the JSON document
  Verdict verdict;
  bool succeeded;         // the program is as was asked for, done now or before
  std::string_view text;  // the message, or its first part where compose adds to it
  // The whole message, where it depends on what was found.
  std::string (*compose)(Command command, const ProgramReport& report) = nullptr;
};

const OutcomeRow& RowOf(Outcome outcome);

int ExitCodeOf(Verdict verdict);
// Written where the program's own manifest decides on the later systems:
// not what was asked for there, so declined rather than done.
Verdict VerdictOf(const ProgramReport& report);
inline bool Succeeded(Outcome outcome) { return RowOf(outcome).succeeded; }
// The message about one program, without its path.
std::string OutcomeMessage(Command command, const ProgramReport& report);

}  // namespace kovrena::cli
