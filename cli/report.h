#pragma once
// How outcomes read: one Turkish line per program for people, one JSON
// document for machines.
#include <string>
#include <vector>

#include "cli/program_report.h"
#include "cli/request.h"

namespace kovrena::cli {

// "32 bit x86 programı", "64 bit x64 DLL'i", "Windows programı değil", …
std::string WhatItIs(const ProgramFacts& facts);
// The message about one program, without its path.
std::string OutcomeMessage(Command command, const ProgramReport& report);
// "path: message" and a line end. Control characters of the path (a Linux
// name may hold a line break) are shown as '?' so that one program always
// makes exactly one line.
std::string ReportLine(Command command, const ProgramReport& report);
// The whole run as one JSON object and a line end.
std::string JsonReport(Command command, const std::vector<ProgramReport>& reports);

}  // namespace kovrena::cli
