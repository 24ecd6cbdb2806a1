#pragma once
// What became of one program: the outcome, and what was found on the way.
#include <optional>
#include <string>

#include "program/manifest_check.h"
#include "program/program_facts.h"
#include "platform/error.h"

namespace kovrena::cli {

// The program facts and manifest readings the reports carry.
using namespace ::kovrena::program;

enum class ManifestState {
  None,
  Ours,      // byte for byte the manifest the tool writes for this program
  OursOtherArchitecture,  // one the tool writes, for another processor: it stops this program
  Foreign,   // another file, or a link, at the manifest path
  NotAFile,  // a folder, device or pipe at the manifest path
};

struct ManifestInfo {
  ManifestState state = ManifestState::None;
  bool hiddenSystem = false;  // both attributes set, as the engine leaves them
  friend bool operator==(const ManifestInfo&, const ManifestInfo&) = default;
};

// What check found beyond the status: both manifests read as the loader
// reads them, and the switch that decides between them.
struct CheckFindings {
  std::optional<ManifestReading> external;  // a file at the manifest path, read
  std::optional<ManifestReading> embedded;  // the program's own, when it has one
  bool wine = false;                        // the tool runs under Wine (always so on Linux)
  std::optional<bool> preferExternal;       // PreferExternalManifest, read on Windows when set
};

enum class Outcome {
  Status,          // the program was looked at
  Checked,         // the program and its manifests were judged
  Applied,         // the manifest was written
  Replaced,        // an existing manifest was deleted and the manifest written (--force)
  AlreadyApplied,  // the engine's own manifest was already there: left as it was
  ManifestExists,  // another manifest is there: left alone without --force
  ManifestBlocked, // a folder or special file has the manifest's name: left alone
  Undone,          // the manifest was deleted
  NothingToUndo,   // no manifest beside an existing program
  ForeignManifest, // not the engine's manifest: left alone without --force
  HidesDependencies, // its own manifest needs other assemblies, which the external file hides on XP
  NotFound,
  Folder,          // a folder given without --recursive
  NotAFile,        // a device, pipe or socket given as the program
  NotWindowsProgram,
  Library,
  WrongMachine,    // a program for a processor no manifest of the tool suits (ARM64, …)
  NoPrograms,      // a folder with no .exe below it
  Failed,          // a platform failure; error holds it
};

struct ProgramReport {
  std::string path;
  Outcome outcome = Outcome::Failed;
  std::optional<ProgramFacts> facts;
  std::optional<ManifestInfo> manifest;  // as found, before anything was changed
  std::optional<Error> error;
  std::optional<CheckFindings> check;
};

// Written, but beside a program whose own manifest the systems after XP
// and Wine go by: there it has no effect.
inline bool Overridden(const ProgramReport& report) {
  return (report.outcome == Outcome::Applied || report.outcome == Outcome::Replaced) && report.facts &&
         report.facts->embedded != EmbeddedManifest::None;
}

// How a script reads an outcome: done, refused by policy or nothing to do,
// or failed.
enum class Verdict { Done, Declined, Failed };

constexpr Verdict VerdictOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::Status:
    case Outcome::Checked:
    case Outcome::Applied:
    case Outcome::Replaced:
    case Outcome::Undone:
      return Verdict::Done;
    case Outcome::NotFound:
    case Outcome::Failed:
      return Verdict::Failed;
    default:
      return Verdict::Declined;
  }
}

inline Verdict VerdictOf(const ProgramReport& report) {
  return Overridden(report) ? Verdict::Declined : VerdictOf(report.outcome);
}

// Whether the program is as was asked for, done now or before.
constexpr bool Succeeded(Outcome outcome) {
  switch (outcome) {
    case Outcome::Status:
    case Outcome::Checked:
    case Outcome::Applied:
    case Outcome::Replaced:
    case Outcome::AlreadyApplied:
    case Outcome::Undone:
    case Outcome::NothingToUndo:
    case Outcome::NoPrograms:
      return true;
    default:
      return false;
  }
}

}  // namespace kovrena::cli
