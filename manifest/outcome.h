#pragma once
// What the engine found and did for one program: the values both programs
// present, the window program in message boxes, kovrena-cli as text, JSON
// and an exit code.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/host_system.h"
#include "program/manifest_check.h"
#include "program/program_facts.h"

namespace kovrena::manifest {

using program::AssemblyIdentity;
using program::Binding;
using program::EmbeddedManifest;
using program::ManifestArchitecture;
using program::ManifestReading;
using program::ProgramFacts;

enum class ManifestState {
  None,
  Ours,      // byte for byte the manifest the tool writes for this program
  OursOtherArchitecture,  // one the tool writes, for another processor: it stops this program
  Foreign,   // another file, a link, or a file with other names (hard links) at the manifest path
  NotAFile,  // a folder, device or pipe at the manifest path
};

// Foreign: whether the file can be an assembly manifest at all. One that
// is not (random bytes, a document of another kind) or cannot be told is
// somebody's data, never replaced or deleted unasked.
enum class ManifestContent {
  Manifest,      // an assembly manifest the loader would read as one
  NotAManifest,  // empty, not XML, or XML without an assembly element
  TooLarge,      // larger than any manifest: never read whole
  Unreadable,    // its bytes could not be read
};

struct ManifestInfo {
  ManifestState state = ManifestState::None;
  ManifestContent content = ManifestContent::Manifest;
  bool hiddenSystem = false;  // both attributes set, as the engine leaves them
  bool folder = false;        // NotAFile: a folder rather than a device or pipe
  bool unresolvable = false;  // NotAFile: a link that leads nowhere it can be followed (round to itself)
  bool link = false;          // Foreign: a symbolic link, never followed
  // Foreign: what the file asks for beyond the common controls. A program
  // that came with such a manifest may not start without it.
  std::vector<AssemblyIdentity> otherDependencies;
  friend bool operator==(const ManifestInfo&, const ManifestInfo&) = default;
};

// Why replacing or deleting what lies at the manifest path needs the
// user's word beyond choosing the action: a manifest that binds only the
// common controls, whoever wrote it, is the action's to replace or delete.
enum class ManifestRisk {
  None,
  OtherDependencies,  // a vendor's manifest: the program may not start without it
  NotAManifest,       // somebody's data under the manifest's name (see ManifestContent)
};
inline ManifestRisk RiskOf(const ManifestInfo& manifest) {
  if (manifest.state != ManifestState::Foreign) return ManifestRisk::None;
  if (manifest.content != ManifestContent::Manifest) return ManifestRisk::NotAManifest;
  return manifest.otherDependencies.empty() ? ManifestRisk::None : ManifestRisk::OtherDependencies;
}

// Which manifest a system's loader goes by, where there are two.
enum class InForceManifest { None, External, Embedded };

// What check concludes for one system.
struct SystemVerdict {
  Binding binding = Binding::SystemControls;
  InForceManifest inForce = InForceManifest::None;
  bool ownManifestWins = false;  // the program's own manifest, not the file beside it, decides there
};

// What check found beyond the status: both manifests read as the loader
// reads them, what decides between them, and what comes of it on each
// system (indexed by System).
struct CheckFindings {
  std::optional<ManifestReading> external;  // a file at the manifest path, read
  std::optional<ManifestReading> embedded;  // the program's own, when it has one
  bool wine = false;                        // the tool runs under Wine (always so on Linux)
  bool wineRuns32Bit = true;                // that Wine has its 32-bit half
  std::optional<bool> preferExternal;       // PreferExternalManifest, read on Windows when set
  std::array<SystemVerdict, 3> systems{};
  const SystemVerdict& on(System system) const { return systems[static_cast<std::size_t>(system)]; }
};

enum class Outcome {
  Status,          // the program was looked at
  Checked,         // the program and its manifests were judged
  Applied,         // the manifest was written
  Replaced,        // an existing manifest was replaced by the manifest
  AlreadyApplied,  // the engine's own manifest was already there: left as it was
  ManifestExists,  // another manifest is there: left alone without consent
  ManifestBlocked, // a folder or special file has the manifest's name: left alone
  Undone,          // the manifest was deleted
  NothingToUndo,   // no manifest beside an existing program
  ForeignManifest, // not the engine's manifest: left alone without consent
  HidesDependencies, // its own manifest needs other assemblies, which the external file hides on XP
  NotFound,
  Folder,          // a folder given as the program
  NotAFile,        // a device, pipe or socket given as the program
  NotWindowsProgram,
  Library,
  WrongMachine,    // a program for a processor no manifest of the tool suits (ARM64, …)
  BadName,         // a name that cannot stand in a well-formed manifest
  NoPrograms,      // a folder with no .exe below it
  Failed,          // a platform failure; error holds it
};

// Where a failure happened: reading the program, or at its manifest path.
enum class FailedAt { Program, Manifest };

// Where the system caches manifest decisions: whether the program file's
// last-write time was set after the change, so that it counts now rather
// than after Windows restarts. Left where nothing is cached, or nothing
// changed.
enum class ProgramTime { Left, Set, NotSet };

struct Report {
  std::string path;
  Outcome outcome = Outcome::Failed;
  std::optional<ProgramFacts> facts;
  // With facts: the processor the tool's manifest names for this program.
  ManifestArchitecture architecture = ManifestArchitecture::None;
  std::optional<ManifestInfo> manifest;  // as found, before anything was changed
  std::optional<Error> error;
  FailedAt failedAt = FailedAt::Program;
  std::optional<CheckFindings> check;
  // HidesDependencies: what the program's own manifest needs beyond the
  // common controls, which the file beside it would hide on XP.
  std::vector<AssemblyIdentity> hiddenOnXp;
  ProgramTime programTime = ProgramTime::Left;
  std::optional<Error> programTimeError;  // NotSet: why
  // Failed: Windows refused the change as access denied, and a process of
  // this user with full rights may make it.
  bool fullRightsMayHelp = false;
  // Applied or Replaced: on the system this runs on, the program's own
  // manifest decides, so the file beside it changes nothing there.
  bool ownManifestWinsHere = false;
};

// Written, but beside a program whose own manifest the systems after XP
// and Wine go by: there it has no effect.
inline bool Overridden(const Report& report) {
  return (report.outcome == Outcome::Applied || report.outcome == Outcome::Replaced) && report.facts &&
         report.facts->embedded != EmbeddedManifest::None;
}

// "Microsoft.VC90.CRT 9.0.21022.8 (x86), …": assemblies as a user reads them.
std::string DependencyList(std::span<const AssemblyIdentity> dependencies);

}  // namespace kovrena::manifest
