#pragma once
// How outcomes read: one Turkish line per program for people, one JSON
// document for machines.
#include <memory>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/outcome_table.h"
#include "cli/program_report.h"
#include "cli/request.h"
#include "outcomes/program_words.h"

namespace kovrena::cli {

using outcomes::StatusColumns;
using outcomes::WhatItIs;
// "path: message" and a line end. Control characters of the path (a Linux
// name may hold a line break) are shown as '?' so that one program always
// makes exactly one line; a byte that is not valid UTF-8 as "\xNN".
// Status lines put the path last, behind columns of fixed width, so that
// lines of a run align; check writes a block of lines.
std::string ReportLine(const Request& request, const ProgramReport& report);
// A path as those lines show it.
std::string PrintablePath(const std::string& path);
// What the notes after a run's lines depend on, gathered report by report.
struct NoteFlags {
  bool anyMarked = false;
  bool anyChecked = false;
  void take(const ProgramReport& report);
};
// What follows the lines of a run, once: the footnote that the lines mark
// with '*', and check's note. Empty when nothing needs it.
std::string ReportNotes(const Request& request, const NoteFlags& flags);

// The whole run as one JSON object and a line end, each program written as
// it is handed in. A path that is not valid UTF-8 reads with U+FFFD in
// "path", so that every parser takes the document, and comes with
// "pathBytes": its bytes in hex, to get it back.
//
// "ok", ahead of the programs, is known once a program fails or the run is
// over: until then the programs wait, past a little in the console's spool.
// A run cut short therefore leaves nothing, or a document that no parser
// takes, whose programs were all done: never one that claims more.
class JsonDocument {
 public:
  JsonDocument(const Request& request, Console& console);
  // Written at once when "ok" is known: a run that writes hands its
  // programs in once their folder is on the disk.
  void add(const ProgramReport& report);
  void finish();
  // The document is not whole: what waited could not be read back.
  bool lost() const { return lost_; }

 private:
  void open(bool ok);
  void hold(std::string_view text);

  const Request& request_;
  Console& console_;
  bool opened_ = false;
  bool any_ = false;
  std::string waiting_;  // until "ok" is known; in the spool once it has grown
  std::unique_ptr<Spool> spool_;
  bool noSpool_ = false;  // none could be had, or it failed: what waits stays in memory
  bool lost_ = false;
};

}  // namespace kovrena::cli
