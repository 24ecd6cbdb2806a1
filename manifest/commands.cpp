#include "manifest/commands.h"

#include <optional>
#include <string>
#include <utility>

#include "manifest/after_change.h"
#include "manifest/examine.h"
#include "manifest/manifest_file.h"
#include "text/utf.h"

namespace kovrena::manifest {

namespace {

Report reportOf(const Examined& program, Outcome outcome) {
  Report report;
  report.path = program.path;
  report.outcome = outcome;
  report.facts = program.facts;
  report.architecture = program.architecture;
  report.manifest = program.manifest;
  return report;
}

// Nothing to tell of the program beyond the outcome.
Report bare(const Examined& program, Outcome outcome) {
  Report report;
  report.path = program.path;
  report.outcome = outcome;
  return report;
}

Report failure(Report report, Error error, FailedAt where) {
  report.outcome = Outcome::Failed;
  report.error = std::move(error);
  report.failedAt = where;
  return report;
}

// A report that ends the command when the path is not a program file that
// could be read; nothing when it is one.
std::optional<Report> unusableProgram(const Examined& program) {
  if (!program.kind) return failure(reportOf(program, Outcome::Failed), program.kind.error(), FailedAt::Program);
  switch (program.kind.value()) {
    case EntryKind::File: break;
    case EntryKind::Missing: return bare(program, Outcome::NotFound);
    case EntryKind::Folder: return bare(program, Outcome::Folder);
    default: return bare(program, Outcome::NotAFile);
  }
  if (program.programError) return failure(reportOf(program, Outcome::Failed), *program.programError, FailedAt::Program);
  return std::nullopt;
}

// Whether the name can stand in the manifest's name attribute so that the
// document stays well-formed and names this very program: valid UTF-8, and
// no character XML forbids or folds (control characters; U+FFFE, U+FFFF).
bool nameFitsTheDocument(std::string_view name) {
  if (!::kovrena::text::IsValidUtf8(name)) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (byte < 0x20) return false;
    // U+FFFE and U+FFFF: EF BF BE, EF BF BF.
    if (byte == 0xEF && i + 2 < name.size() && static_cast<unsigned char>(name[i + 1]) == 0xBF &&
        (static_cast<unsigned char>(name[i + 2]) & 0xFE) == 0xBE) {
      return false;
    }
  }
  return true;
}

// Deletes what lies at the manifest path: a link itself, never what it
// leads to (where the platform cannot tell the two apart it refuses the
// link); a file through the engine's one removal.
Status removeManifest(const Examined& program, FileSystem& files) {
  if (program.manifest->link) return files.deleteFile(program.manifestPath);
  return RemoveManifestFile(files, program.manifestPath);
}

}  // namespace

Report StatusOf(const Examined& program) {
  if (auto unusable = unusableProgram(program)) return std::move(*unusable);
  Report report = reportOf(program, Outcome::Status);
  if (program.manifestError) return failure(report, *program.manifestError, FailedAt::Manifest);
  // What a file holds is what status is asked for: one that cannot be read
  // is a failure to tell it.
  if (program.manifestReadError) return failure(report, *program.manifestReadError, FailedAt::Manifest);
  return report;
}

std::optional<Report> ApplyRefusal(const Examined& program) {
  if (auto unusable = unusableProgram(program)) return unusable;
  const ProgramFacts& facts = *program.facts;
  if (!facts.windowsProgram) return reportOf(program, Outcome::NotWindowsProgram);
  if (facts.library) return reportOf(program, Outcome::Library);
  // A dependency for another processor than the process's own stops the
  // program from starting: no manifest rather than a wrong one.
  if (program.architecture == ManifestArchitecture::None) return reportOf(program, Outcome::WrongMachine);
  if (!nameFitsTheDocument(program.name)) return reportOf(program, Outcome::BadName);
  return std::nullopt;
}

static Report applyTo(const Examined& program, Consent consent, Services services) {
  if (auto refused = ApplyRefusal(program)) return std::move(*refused);
  // On XP the external file takes the place of the program's own manifest
  // entirely: a C runtime it names would no longer be found.
  if (!Allows(consent, Consent::HideDependencies) && !HiddenOnXp(program).empty()) {
    Report report = reportOf(program, Outcome::HidesDependencies);
    report.hiddenOnXp = program.ownReading->otherDependencies;
    return report;
  }
  Report report = reportOf(program, Outcome::Applied);
  if (program.manifestError) return failure(report, *program.manifestError, FailedAt::Manifest);

  OldManifest old = OldManifest::None;
  const ManifestInfo& found = *program.manifest;
  switch (found.state) {
    case ManifestState::NotAFile:
      // No file can be renamed over a folder, and a device or pipe would be
      // replaced: neither is tried, and the user is told what stands there.
      report.outcome = Outcome::ManifestBlocked;
      return report;
    case ManifestState::Ours:
    case ManifestState::Foreign:
      if (!Allows(consent, Consent::ReplaceManifest)) {
        report.outcome = found.state == ManifestState::Ours ? Outcome::AlreadyApplied : Outcome::ManifestExists;
        return report;
      }
      [[fallthrough]];
    case ManifestState::OursOtherArchitecture:
      // The tool's own manifest for another processor stops the program
      // from starting: it is replaced unasked. Renamed over, never deleted
      // first: a failed write leaves it. A link has no attributes of its
      // own to clear.
      if (!found.link) old = OldManifest::Replace;
      report.outcome = Outcome::Replaced;
      break;
    case ManifestState::None:
      break;
  }
  if (Status failed = WriteManifestFile(services.files, program.manifestPath, OwnManifestText(program), old)) {
    return failure(report, *failed, FailedAt::Manifest);
  }
  return report;
}

static Report undoFor(const Examined& program, Consent consent, Services services) {
  if (!program.kind) return failure(reportOf(program, Outcome::Failed), program.kind.error(), FailedAt::Program);
  const EntryKind kind = program.kind.value();
  if (kind == EntryKind::Folder) return bare(program, Outcome::Folder);
  if (kind != EntryKind::File && kind != EntryKind::Missing) return bare(program, Outcome::NotAFile);
  // A program that cannot be read is still undone: the manifest beside it
  // is recognised without it.
  Report report = reportOf(program, Outcome::Undone);
  // Undoing is about the manifest alone; the program may be gone.
  report.facts.reset();
  if (program.manifestError) return failure(report, *program.manifestError, FailedAt::Manifest);
  // What a killed run left beside the manifest goes with it.
  services.files.removeLeftovers(program.manifestPath);

  switch (program.manifest->state) {
    case ManifestState::None:
      report.outcome = kind == EntryKind::File ? Outcome::NothingToUndo : Outcome::NotFound;
      return report;
    case ManifestState::NotAFile:
      // A folder or special file of the manifest's name is not a manifest:
      // it stays, and the user is told what stands there.
      report.outcome = kind == EntryKind::File ? Outcome::ManifestBlocked : Outcome::NotFound;
      return report;
    case ManifestState::Foreign:
      if (!Allows(consent, Consent::ReplaceManifest)) {
        report.outcome = Outcome::ForeignManifest;
        return report;
      }
      break;
    case ManifestState::Ours:
    case ManifestState::OursOtherArchitecture:
      break;
  }
  if (Status failed = removeManifest(program, services.files)) return failure(report, *failed, FailedAt::Manifest);
  return report;
}

Consent AwaitedConsent(Outcome outcome) {
  switch (outcome) {
    case Outcome::AlreadyApplied:
    case Outcome::ManifestExists:
    case Outcome::ForeignManifest: return Consent::ReplaceManifest;
    case Outcome::HidesDependencies: return Consent::HideDependencies;
    default: return Consent::None;
  }
}

Report ApplyTo(const Examined& program, Consent consent, Services services) {
  return AfterChange(program, applyTo(program, consent, services), services);
}

Report UndoFor(const Examined& program, Consent consent, Services services) {
  return AfterChange(program, undoFor(program, consent, services), services);
}

}  // namespace kovrena::manifest
