#pragma once
// How outcomes read: one Turkish line per program for people, one JSON
// document for machines.
#include <string>
#include <vector>

#include "cli/outcome_table.h"
#include "cli/program_report.h"
#include "cli/request.h"

namespace kovrena::cli {

// "32 bit x86 programı", "64 bit x64 DLL'i", "Windows programı değil", …
std::string WhatItIs(const ProgramFacts& facts);
// What status says of a program: columns of fixed width when aligned (a
// line), otherwise the same parts joined by "; " (JSON's message).
std::string StatusColumns(const ProgramReport& report, bool aligned);
// "path: message" and a line end. Control characters of the path (a Linux
// name may hold a line break) are shown as '?' so that one program always
// makes exactly one line; a byte that is not valid UTF-8 as "\xNN".
// Status lines put the path last, behind columns of fixed width, so that
// lines of a run align; check writes a block of lines.
std::string ReportLine(const Request& request, const ProgramReport& report);
// What follows the lines of a run, once: the footnote that the lines mark
// with '*', and check's note. Empty when nothing needs it.
std::string ReportNotes(const Request& request, const std::vector<ProgramReport>& reports);
// The whole run as one JSON object and a line end. A path that is not valid
// UTF-8 reads with U+FFFD in "path", so that every parser takes the
// document, and comes with "pathBytes": its bytes in hex, to get it back.
std::string JsonReport(const Request& request, const std::vector<ProgramReport>& reports);

}  // namespace kovrena::cli
