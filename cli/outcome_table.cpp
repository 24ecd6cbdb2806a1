#include "cli/outcome_table.h"

#include <array>
#include <string>

#include "cli/report.h"
#include "cli/texts.h"
#include "manifest/engine.h"

namespace kovrena::cli {

namespace {

std::string_view failureHeadline(Command command, const ProgramReport& report) {
  switch (command) {
    case Command::Apply: return text::kApplyHeadline;
    case Command::Undo: return text::kUndoHeadline;
    case Command::Status:
    case Command::Check: break;
  }
  return report.failedAt == FailedAt::Manifest ? text::kManifestReadHeadline : text::kStatusHeadline;
}

std::string failed(Command command, const ProgramReport& report) {
  std::string message(failureHeadline(command, report));
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
std::string_view programTime(const ProgramReport& report) {
  return report.programTime == manifest::ProgramTime::NotSet ? text::kProgramTimeNotSet : std::string_view();
}

std::string overridden(const ProgramReport& report) {
  return Overridden(report) ? std::string(text::kOverridden) : std::string();
}

std::string applied(Command, const ProgramReport& report) {
  return std::string(text::kApplied) + overridden(report) + std::string(programTime(report));
}

std::string replaced(Command, const ProgramReport& report) {
  return std::string(text::kApplied) + std::string(text::kReplaced) + overridden(report) +
         std::string(programTime(report));
}

std::string undone(Command, const ProgramReport& report) {
  std::string message(text::kUndone);
  if (report.manifest && report.manifest->state == ManifestState::Foreign) message += text::kForeignUndone;
  return message + std::string(programTime(report));
}

std::string hidesDependencies(Command, const ProgramReport& report) {
  std::string dependencies;
  if (report.facts && report.facts->embedded != EmbeddedManifest::None) {
    const ManifestReading reading = program::ReadManifest(
        report.facts->embeddedText, program::ArchitectureFor(*report.facts), report.facts->machine);
    dependencies = manifest::DependencyList(reading.otherDependencies);
  }
  return std::string(text::kHidesDependencies) + dependencies + std::string(text::kHidesDependenciesAfter);
}

std::string wrongMachine(Command, const ProgramReport& report) {
  std::string message = report.facts ? WhatItIs(*report.facts) : std::string();
  message += ": ";
  message += text::kNoManifestFor;
  return message;
}

std::string status(Command, const ProgramReport& report) { return StatusColumns(report, false); }

std::string checked(Command, const ProgramReport& report) { return WhatItIs(*report.facts); }

using V = Verdict;
using O = Outcome;

constexpr std::array<OutcomeRow, 20> kRows = {{
    {O::Status, "status", V::Done, true, {}, status},
    {O::Checked, "checked", V::Done, true, {}, checked},
    {O::Applied, "applied", V::Done, true, {}, applied},
    {O::Replaced, "replaced", V::Done, true, {}, replaced},
    {O::AlreadyApplied, "already-applied", V::Declined, true, text::kAlreadyApplied},
    {O::ManifestExists, "manifest-exists", V::Declined, false, text::kOtherManifestKept},
    {O::ManifestBlocked, "manifest-blocked", V::Declined, false, text::kBlocked},
    {O::Undone, "undone", V::Done, true, {}, undone},
    {O::NothingToUndo, "nothing-to-undo", V::Declined, true, text::kNothingToUndo},
    {O::ForeignManifest, "foreign-manifest", V::Declined, false, text::kForeignKept},
    {O::HidesDependencies, "hides-dependencies", V::Declined, false, {}, hidesDependencies},
    {O::NotFound, "not-found", V::Failed, false, text::kNotFound},
    {O::Folder, "folder", V::Declined, false, text::kFolder},
    {O::NotAFile, "not-a-file", V::Declined, false, text::kNotAFile},
    {O::NotWindowsProgram, "not-windows-program", V::Declined, false, text::kNotProgramRefused},
    {O::Library, "library", V::Declined, false, text::kLibraryRefused},
    {O::WrongMachine, "wrong-machine", V::Declined, false, {}, wrongMachine},
    {O::BadName, "bad-name", V::Declined, false, text::kBadName},
    {O::NoPrograms, "no-programs", V::Declined, true, text::kNoPrograms},
    {O::Failed, "failed", V::Failed, false, {}, failed},
}};

// Row i is outcome i: checked once, at build time.
constexpr bool rowsInOrder() {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].outcome) != i) return false;
  }
  return true;
}
static_assert(rowsInOrder() && kRows.size() == static_cast<std::size_t>(Outcome::Failed) + 1);

}  // namespace

const OutcomeRow& RowOf(Outcome outcome) { return kRows[static_cast<std::size_t>(outcome)]; }

int ExitCodeOf(Verdict verdict) {
  switch (verdict) {
    case Verdict::Done: return kExitDone;
    case Verdict::Declined: return kExitDeclined;
    case Verdict::Failed: return kExitFailed;
  }
  return kExitFailed;
}

Verdict VerdictOf(const ProgramReport& report) {
  return Overridden(report) ? Verdict::Declined : RowOf(report.outcome).verdict;
}

std::string OutcomeMessage(Command command, const ProgramReport& report) {
  const OutcomeRow& row = RowOf(report.outcome);
  return row.compose != nullptr ? row.compose(command, report) : std::string(row.text);
}

}  // namespace kovrena::cli
