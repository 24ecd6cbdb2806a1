#include <string>

#include "cli/report.h"
#include "cli/texts.h"
#include "text/hex.h"

namespace kovrena::cli {

namespace {

std::string hex4(std::uint16_t value) {
  return "0x" + ::kovrena::text::HexText(value, 4, ::kovrena::text::LetterCase::Upper);
}

std::string_view manifestText(const ManifestInfo& info) {
  switch (info.state) {
    case ManifestState::None: return text::kManifestNone;
    case ManifestState::Ours: return text::kManifestOurs;
    case ManifestState::Foreign: return text::kManifestForeign;
    case ManifestState::NotAFile: return text::kManifestNotAFile;
  }
  return {};
}

std::string_view embeddedText(EmbeddedManifest embedded) {
  switch (embedded) {
    case EmbeddedManifest::None: return text::kEmbeddedNone;
    case EmbeddedManifest::Unreadable: return text::kEmbeddedUnreadable;
    case EmbeddedManifest::WithoutCommonControlsV6: return text::kEmbeddedNoV6;
    case EmbeddedManifest::WithCommonControlsV6: return text::kEmbeddedV6;
  }
  return {};
}

std::string statusMessage(const ProgramReport& report) {
  std::string message = report.facts ? WhatItIs(*report.facts) : std::string();
  if (report.manifest) {
    message += "; ";
    message += manifestText(*report.manifest);
    if (report.manifest->state == ManifestState::Ours && !report.manifest->hiddenSystem) {
      message += text::kNotHiddenSystem;
    }
  }
  if (report.facts && report.facts->windowsProgram) {
    message += "; ";
    message += embeddedText(report.facts->embedded);
    if (report.facts->embedded != EmbeddedManifest::None) {
      message += " (";
      message += text::kEmbeddedWins;
      message += ")";
    }
  }
  return message;
}

// Applying beside a program that carries its own manifest works on XP
// only; later systems and Wine go by the program's own one.
std::string embeddedNote(const ProgramReport& report) {
  if (!report.facts || report.facts->embedded == EmbeddedManifest::None) return {};
  std::string note = "; ";
  note += report.facts->embedded == EmbeddedManifest::WithCommonControlsV6 ? text::kEmbeddedAlreadyV6
                                                                          : text::kEmbeddedPresent;
  note += " (";
  note += text::kEmbeddedWins;
  note += ")";
  return note;
}

std::string_view headline(Command command) {
  switch (command) {
    case Command::Apply: return text::kApplyHeadline;
    case Command::Undo: return text::kUndoHeadline;
    case Command::Status: return text::kStatusHeadline;
  }
  return {};
}

std::string failureMessage(Command command, const ProgramReport& report) {
  std::string message(headline(command));
  const Error error = report.error.value_or(Error{});
  message += " ";
  message += text::kNumberLabel;
  message += std::to_string(error.number);
  message += ", ";
  message += text::kDetailsLabel;
  message += error.description;
  return message;
}

std::string wrongMachineMessage(const ProgramReport& report) {
  std::string message = report.facts ? WhatItIs(*report.facts) : std::string();
  message += ": ";
  message += text::kOnlyX86;
  if (report.facts && (report.facts->machine == machine::kX64 || report.facts->machine == machine::kArm64)) {
    message += "; ";
    message += text::kX86DependencyStops64;
  }
  return message;
}

std::string printablePath(const std::string& path) {
  std::string printable = path;
  for (char& c : printable) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
  }
  return printable;
}

}  // namespace

std::string WhatItIs(const ProgramFacts& facts) {
  if (!facts.windowsProgram) return std::string(text::kNotWindowsProgram);
  std::string what;
  switch (facts.machine) {
    case machine::kX86: what = text::kX86; break;
    case machine::kX64: what = text::kX64; break;
    case machine::kArm64: what = text::kArm64; break;
    default: what = std::string(text::kOtherMachine) + hex4(facts.machine); break;
  }
  what += facts.library ? text::kLibrary : text::kProgram;
  return what;
}

std::string OutcomeMessage(Command command, const ProgramReport& report) {
  switch (report.outcome) {
    case Outcome::Status: return statusMessage(report);
    case Outcome::Applied: return std::string(text::kApplied) + embeddedNote(report);
    case Outcome::Replaced: return std::string(text::kApplied) + std::string(text::kReplaced) + embeddedNote(report);
    case Outcome::AlreadyApplied: return std::string(text::kAlreadyApplied) + embeddedNote(report);
    case Outcome::ManifestExists: return std::string(text::kStyleGivenBefore) + std::string(text::kUseForceToReplace);
    case Outcome::ManifestBlocked: return std::string(text::kManifestNotAFile) + std::string(text::kBlocked);
    case Outcome::Undone: {
      std::string message(text::kUndone);
      if (report.manifest && report.manifest->state == ManifestState::Foreign) message += text::kForeignUndone;
      return message;
    }
    case Outcome::NothingToUndo: return std::string(text::kNothingToUndo);
    case Outcome::ForeignManifest: return std::string(text::kForeignKept);
    case Outcome::NotFound: return std::string(text::kNotFound);
    case Outcome::Folder: return std::string(text::kFolder);
    case Outcome::NotAFile: return std::string(text::kNotAFile);
    case Outcome::NotWindowsProgram: return std::string(text::kNotProgramRefused);
    case Outcome::Library: return std::string(text::kLibraryRefused);
    case Outcome::WrongMachine: return wrongMachineMessage(report);
    case Outcome::NoPrograms: return std::string(text::kNoPrograms);
    case Outcome::Failed: return failureMessage(command, report);
  }
  return {};
}

std::string ReportLine(Command command, const ProgramReport& report) {
  return printablePath(report.path) + ": " + OutcomeMessage(command, report) + "\n";
}

}  // namespace kovrena::cli
