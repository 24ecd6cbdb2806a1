#pragma once
// What each outcome of the engine means to the two programs, one row each:
// its name in kovrena-cli's JSON, how a script reads it, and the words
// kovrena-cli and the window program put it in. Neither program decides
// again what an outcome is; they only look up its row.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "manifest/outcome.h"
#include "outcomes/action.h"
#include "outcomes/rows.h"
#include "outcomes/verdict.h"

namespace kovrena::outcomes {

using manifest::Outcome;
using manifest::Report;

// What a message is made of besides the report.
struct Wording {
  Action action = Action::Status;
  std::string_view programName;  // the window's: the program's file name
};
// The whole message, where it depends on what was found.
using Compose = std::string (*)(const Wording& wording, const Report& report);

// What the window does after an apply or undo came to an outcome.
enum class WindowEnd : std::uint8_t {
  Again,        // says nothing: the apply button waits for the next click
  Message,      // shows the message
  ProgramGone,  // shows the message and empties the choice: there is no program to work on
  ErrorReport,  // reports the failure under the action's headline
};

struct WindowMessage {
  WindowEnd end = WindowEnd::Again;
  std::uint8_t style = 0;  // the message box's icon (and its one OK button)
  // The message, where compose does not make it: a whole text, ended as
  // its literal is (kept to a pointer: the window program carries a copy
  // of these rows, and every byte of it counts).
  const char* text = nullptr;
  Compose compose = nullptr;
};

struct OutcomeRow {
  Outcome outcome;
  std::string_view json;  // "outcome" in the JSON document
  Verdict verdict;
  bool succeeded;         // the program is as was asked for, done now or before
  std::string_view text;  // kovrena-cli's message, where compose does not make it
  Compose compose;
  WindowMessage applied;  // the window, after applying
  WindowMessage undone;   // the window, after undoing
};

inline constexpr std::size_t kOutcomeCount = static_cast<std::size_t>(Outcome::Failed) + 1;

const OutcomeRow& RowOf(Outcome outcome);
inline bool Succeeded(Outcome outcome) { return RowOf(outcome).succeeded; }
// Written where the program's own manifest decides on the later systems:
// not what was asked for there, so declined rather than done.
Verdict VerdictOf(const Report& report);
// kovrena-cli's message about one program, without its path.
std::string OutcomeMessage(Action action, const Report& report);

// The window's row for the outcome of applying or undoing, taken from a
// copy of the table's window columns alone: the window program carries no
// more of the table than that.
const WindowMessage& WindowRowOf(Action action, Outcome outcome);
// Its message: the row's text, or the one compose makes.
std::string WindowText(const WindowMessage& message, const Wording& wording, const Report& report);

}  // namespace kovrena::outcomes
