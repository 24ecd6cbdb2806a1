#include "outcomes/outcome_table.h"

#include <array>
#include <string>

#include "outcomes/program_words.h"
#include "outcomes/texts.h"
#include "platform/message_box.h"

namespace kovrena::outcomes {

// Never defined: a window text that is not a whole literal (one cut from
// another) fails the build where the table is made.
void NotAWholeText();

namespace {

// kovrena-cli's messages.

std::string_view failureHeadline(const Wording& wording, const Report& report) {
  switch (wording.action) {
    case Action::Apply: return text::kApplyHeadline;
    case Action::Undo: return text::kUndoHeadline;
    case Action::Status:
    case Action::Check: break;
  }
  return report.failedAt == manifest::FailedAt::Manifest ? text::kManifestReadHeadline : text::kStatusHeadline;
}

std::string failed(const Wording& wording, const Report& report) {
  std::string message(failureHeadline(wording, report));
  const Error error = report.error.value_or(Error{});
  message += " ";
  message += text::kNumberLabel;
  message += std::to_string(error.number);
  message += ", ";
  message += text::kDetailsLabel;
  message += error.description;
  if (report.fullRightsMayHelp) message += text::kFullRightsNeeded;
  return message;
}

// Only a failure is worth a word: a time set is the change as it should be.
std::string_view programTime(const Report& report) {
  return report.programTime == manifest::ProgramTime::NotSet ? text::kProgramTimeNotSet : std::string_view();
}

std::string overridden(const Report& report) {
  return manifest::Overridden(report) ? std::string(text::kOverridden) : std::string();
}

std::string applied(const Wording&, const Report& report) {
  return std::string(text::kApplied) + overridden(report) + std::string(programTime(report));
}

std::string replaced(const Wording&, const Report& report) {
  return std::string(text::kApplied) + std::string(text::kReplaced) + overridden(report) +
         std::string(programTime(report));
}

std::string undone(const Wording&, const Report& report) {
  std::string message(text::kUndone);
  if (report.manifest && report.manifest->state == manifest::ManifestState::Foreign) message += text::kForeignUndone;
  return message + std::string(programTime(report));
}

std::string hidesDependencies(const Wording&, const Report& report) {
  return std::string(text::kHidesDependencies) + manifest::DependencyList(report.hiddenOnXp) +
         std::string(text::kHidesDependenciesAfter);
}

std::string wrongMachine(const Wording&, const Report& report) {
  std::string message = report.facts ? WhatItIs(report) : std::string();
  message += ": ";
  message += text::kNoManifestFor;
  return message;
}

std::string status(const Wording&, const Report& report) { return StatusColumns(report, false); }

std::string checked(const Wording&, const Report& report) { return WhatItIs(report); }

// The window's messages.

// Where this Windows keeps what it read of the program's manifest until the
// program's time changes, and that time could not be changed.
std::string_view restartSentence(const Report& report) {
  return report.programTime == manifest::ProgramTime::NotSet ? text::kRestartSentence : std::string_view();
}

std::string windowApplied(const Wording& wording, const Report& report) {
  std::string message(text::kAppliedBefore);
  message += wording.programName;
  message += text::kAppliedAfter;
  if (report.ownManifestWinsHere) message += text::kOwnManifestWinsSentence;
  message += restartSentence(report);
  return message;
}

std::string windowUndone(const Wording&, const Report& report) {
  return std::string(text::kUndoneMessage) += restartSentence(report);
}

// What stands at the manifest path instead of a file, and that it was left.
std::string windowBlocked(const Wording& wording, const Report& report) {
  std::string message(text::kBlockedBefore);
  const bool folder = report.manifest && report.manifest->folder;
  message += folder                                             ? text::kBlockedFolder
             : report.manifest && report.manifest->unresolvable ? text::kBlockedLink
                                                                : text::kBlockedSpecial;
  message += wording.action == Action::Undo ? text::kBlockedUndoAfter : text::kBlockedApplyAfter;
  return message;
}

constexpr const char* whole(std::string_view words) {
  if (words.data()[words.size()] != '\0') NotAWholeText();
  return words.data();
}

using V = Verdict;
using O = Outcome;
using E = WindowEnd;
using W = WindowMessage;

constexpr auto kInformation = static_cast<std::uint8_t>(mb::kOk | mb::kIconInformation);
constexpr auto kExclamation = static_cast<std::uint8_t>(mb::kOk | mb::kIconExclamation);

constexpr W kAgain{};
constexpr W kReport{E::ErrorReport, 0, nullptr, nullptr};
constexpr W kNotAProgram{E::Message, kInformation, whole(text::kNotAProgramMessage), nullptr};
constexpr W kBlockedMessage{E::Message, kInformation, nullptr, windowBlocked};
// Undoing where there was nothing of the tool's to undo, whatever the reason.
constexpr W kNothing{E::Message, kExclamation, whole(text::kNothingToUndoMessage), nullptr};

constexpr std::array<OutcomeRow, kOutcomeCount> kRows = {{
    {O::Status, "status", V::Done, true, {}, status, kAgain, kNothing},
    {O::Checked, "checked", V::Done, true, {}, checked, kAgain, kNothing},
    {O::Applied, "applied", V::Done, true, {}, applied, {E::Message, kInformation, nullptr, windowApplied}, kNothing},
    {O::Replaced, "replaced", V::Done, true, {}, replaced, {E::Message, kInformation, nullptr, windowApplied}, kNothing},
    {O::AlreadyApplied, "already-applied", V::Declined, true, text::kAlreadyApplied, nullptr, kAgain, kNothing},
    {O::ManifestExists, "manifest-exists", V::Declined, false, text::kOtherManifestKept, nullptr, kAgain, kNothing},
    {O::ManifestBlocked, "manifest-blocked", V::Declined, false, text::kBlocked, nullptr, kBlockedMessage,
     kBlockedMessage},
    {O::Undone, "undone", V::Done, true, {}, undone, kAgain, {E::Message, kInformation, nullptr, windowUndone}},
    {O::NothingToUndo, "nothing-to-undo", V::Declined, true, text::kNothingToUndo, nullptr, kAgain, kNothing},
    {O::ForeignManifest, "foreign-manifest", V::Declined, false, text::kForeignKept, nullptr, kAgain, kNothing},
    {O::HidesDependencies, "hides-dependencies", V::Declined, false, {}, hidesDependencies, kAgain, kNothing},
    {O::NotFound, "not-found", V::Failed, false, text::kNotFound, nullptr,
     {E::ProgramGone, kInformation, whole(text::kNotFoundMessage), nullptr}, kNothing},
    {O::Folder, "folder", V::Declined, false, text::kFolder, nullptr, kNotAProgram, kNothing},
    {O::NotAFile, "not-a-file", V::Declined, false, text::kNotAFile, nullptr, kNotAProgram, kNothing},
    {O::NotWindowsProgram, "not-windows-program", V::Declined, false, text::kNotProgramRefused, nullptr, kNotAProgram,
     kNothing},
    {O::Library, "library", V::Declined, false, text::kLibraryRefused, nullptr,
     {E::Message, kInformation, whole(text::kLibraryMessage), nullptr}, kNothing},
    {O::WrongMachine, "wrong-machine", V::Declined, false, {}, wrongMachine,
     {E::Message, kInformation, whole(text::kWrongMachineMessage), nullptr}, kNothing},
    {O::BadName, "bad-name", V::Declined, false, text::kBadName, nullptr,
     {E::Message, kInformation, whole(text::kBadNameMessage), nullptr}, kNothing},
    {O::NoPrograms, "no-programs", V::Declined, true, text::kNoPrograms, nullptr, kAgain, kNothing},
    {O::Failed, "failed", V::Failed, false, {}, failed, kReport, kReport},
}};
static_assert(RowsInOrder<&OutcomeRow::outcome>(kRows));

struct WindowColumns {
  std::array<WindowMessage, kOutcomeCount> applied;
  std::array<WindowMessage, kOutcomeCount> undone;
};
constexpr WindowColumns windowColumns() {
  WindowColumns columns{};
  for (std::size_t i = 0; i < kOutcomeCount; ++i) {
    columns.applied[i] = kRows[i].applied;
    columns.undone[i] = kRows[i].undone;
  }
  return columns;
}
constexpr WindowColumns kWindowColumns = windowColumns();

}  // namespace

const OutcomeRow& RowOf(Outcome outcome) { return RowFor(kRows, outcome); }

Verdict VerdictOf(const Report& report) {
  return manifest::Overridden(report) ? Verdict::Declined : RowOf(report.outcome).verdict;
}

std::string OutcomeMessage(Action action, const Report& report) {
  const OutcomeRow& row = RowOf(report.outcome);
  return row.compose != nullptr ? row.compose(Wording{action, {}}, report) : std::string(row.text);
}

const WindowMessage& WindowRowOf(Action action, Outcome outcome) {
  return RowFor(action == Action::Undo ? kWindowColumns.undone : kWindowColumns.applied, outcome);
}

std::string WindowText(const WindowMessage& message, const Wording& wording, const Report& report) {
  return message.compose != nullptr ? message.compose(wording, report) : std::string(message.text);
}

}  // namespace kovrena::outcomes
