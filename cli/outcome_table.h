#pragma once
// What each outcome means on the command line: the outcome table's row
// (outcomes/), which the window program reads too.
#include <string>

#include "cli/command_line.h"
#include "cli/program_report.h"
#include "cli/request.h"
#include "outcomes/outcome_table.h"

namespace kovrena::cli {

using outcomes::ExitCodeOf;
using outcomes::OutcomeMessage;
using outcomes::OutcomeRow;
using outcomes::RowOf;
using outcomes::Succeeded;
using outcomes::Verdict;
using outcomes::VerdictOf;

}  // namespace kovrena::cli
