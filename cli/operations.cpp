#include "cli/operations.h"

#include <memory>
#include <string>
#include <utility>

#include "manifest/engine.h"

namespace kovrena::cli {

namespace {

ProgramReport reportOf(const std::string& path, Outcome outcome) {
  ProgramReport report;
  report.path = path;
  report.outcome = outcome;
  return report;
}

ProgramReport failure(const std::string& path, Error error) {
  ProgramReport report = reportOf(path, Outcome::Failed);
  report.error = std::move(error);
  return report;
}

// A report that ends the command when the path is not a program file
// that can be read; nothing when it is one.
std::optional<ProgramReport> unusableProgram(const std::string& path, const Result<EntryKind>& kind) {
  if (!kind) return failure(path, kind.error());
  switch (kind.value()) {
    case EntryKind::File: return std::nullopt;
    case EntryKind::Missing: return reportOf(path, Outcome::NotFound);
    case EntryKind::Folder: return reportOf(path, Outcome::Folder);
    default: return reportOf(path, Outcome::NotAFile);
  }
}

Result<ProgramFacts> readFacts(const std::string& path, Disk& disk) {
  Result<std::unique_ptr<ByteSource>> file = disk.openForReading(path);
  if (!file) return file.error();
  return ReadProgramFacts(*file.value());
}

// The program's name as the disk spells it (Windows keeps the letter case
// of the file, whatever case the user typed), as the file dialog of the
// window program reports it; the typed name when the lookup finds nothing.
std::string programName(const std::string& path, Services services) {
  const Result<std::string> found = services.files.findFile(path, attr::kAnyFileLookup);
  if (found && !found.value().empty()) return found.value();
  return std::string(FileNameOf(path, services.disk.style()));
}

// Whether the file holds exactly these bytes; a file of another size is not read.
Result<bool> holdsExactly(Disk& disk, const std::string& path, const std::string& expected) {
  Result<std::unique_ptr<ByteSource>> opened = disk.openForReading(path);
  if (!opened) return opened.error();
  ByteSource& file = *opened.value();
  if (file.size() != expected.size()) return false;
  std::string bytes(expected.size(), '\0');
  const std::span<std::uint8_t> out(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
  if (Status failed = file.read(0, out)) return *failed;
  return bytes == expected;
}

// What lies at the manifest path. Links are never followed: whatever one
// points at is not the manifest, and is neither judged nor touched.
Result<ManifestInfo> inspectManifest(const std::string& manifestPath, const std::string& name, Services services) {
  const Result<EntryKind> kind = services.disk.kindOf(manifestPath, false);
  if (!kind) return kind.error();
  ManifestInfo info;
  switch (kind.value()) {
    case EntryKind::Missing: return info;
    case EntryKind::Link: info.state = ManifestState::Foreign; return info;
    case EntryKind::File: break;
    default: info.state = ManifestState::NotAFile; return info;
  }
  const Result<bool> ours = holdsExactly(services.disk, manifestPath, manifest::BuildManifestText(name));
  if (!ours) return ours.error();
  info.state = ours.value() ? ManifestState::Ours : ManifestState::Foreign;
  const Result<std::uint32_t> attributes = services.files.getAttributes(manifestPath);
  if (!attributes) return attributes.error();
  constexpr std::uint32_t kHiddenSystem = attr::kHidden | attr::kSystem;
  info.hiddenSystem = (attributes.value() & kHiddenSystem) == kHiddenSystem;
  return info;
}

// Deletes what lies at the manifest path: a link itself, never its target
// (where the platform cannot tell the two apart it refuses the link); a file
// after its attributes are plain, as the window program does it, so that a
// read-only one goes too.
Status removeManifest(const std::string& manifestPath, Services services) {
  const Result<EntryKind> kind = services.disk.kindOf(manifestPath, false);
  if (!kind) return kind.error();
  if (kind.value() != EntryKind::Link) {
    if (Status failed = services.files.setAttributes(manifestPath, attr::kNormal)) return failed;
  }
  return services.files.deleteFile(manifestPath);
}

// The manifest path of a program, or, where nothing has exactly that name,
// the file whose name differs from it only in letter case: Wine loads that
// one as the program's manifest, so it is the one reported and acted on.
std::string manifestPathOf(const std::string& path, Services services) {
  const std::string exact = manifest::ManifestPath(path);
  const Result<EntryKind> kind = services.disk.kindOf(exact, false);
  if (!kind || kind.value() != EntryKind::Missing) return exact;
  const Result<std::string> found = services.files.findFile(exact, attr::kAnyFileLookup);
  if (!found || found.value().empty()) return exact;
  const std::string_view name = FileNameOf(exact, services.disk.style());
  return exact.substr(0, exact.size() - name.size()) + found.value();
}

}  // namespace

ProgramReport StatusOf(const std::string& path, Services services) {
  if (auto unusable = unusableProgram(path, services.disk.kindOf(path, true))) return *unusable;
  Result<ProgramFacts> facts = readFacts(path, services.disk);
  if (!facts) return failure(path, facts.error());
  const Result<ManifestInfo> manifest =
      inspectManifest(manifestPathOf(path, services), programName(path, services), services);
  if (!manifest) return failure(path, manifest.error());
  ProgramReport report = reportOf(path, Outcome::Status);
  report.facts = facts.value();
  report.manifest = manifest.value();
  return report;
}

ProgramReport ApplyTo(const std::string& path, bool force, Services services) {
  if (auto unusable = unusableProgram(path, services.disk.kindOf(path, true))) return *unusable;
  Result<ProgramFacts> facts = readFacts(path, services.disk);
  if (!facts) return failure(path, facts.error());
  ProgramReport report = reportOf(path, Outcome::Applied);
  report.facts = facts.value();
  if (!facts.value().windowsProgram) {
    report.outcome = Outcome::NotWindowsProgram;
    return report;
  }
  if (facts.value().library) {
    report.outcome = Outcome::Library;
    return report;
  }
  // The manifest names an x86 dependency: a program for any other
  // processor would not start at all with it beside it.
  if (facts.value().machine != machine::kX86) {
    report.outcome = Outcome::WrongMachine;
    return report;
  }

  const std::string name = programName(path, services);
  const std::string manifestPath = manifestPathOf(path, services);
  const Result<ManifestInfo> found = inspectManifest(manifestPath, name, services);
  if (!found) return failure(path, found.error());
  report.manifest = found.value();
  manifest::OldManifest old = manifest::OldManifest::None;
  switch (found.value().state) {
    case ManifestState::NotAFile:
      report.outcome = Outcome::ManifestBlocked;
      return report;
    case ManifestState::Ours:
    case ManifestState::Foreign:
      if (!force) {
        report.outcome = found.value().state == ManifestState::Ours ? Outcome::AlreadyApplied
                                                                    : Outcome::ManifestExists;
        return report;
      }
      {
        // Renamed over, never deleted first: a failed write leaves it. A
        // link has no attributes of its own to clear.
        const Result<EntryKind> kind = services.disk.kindOf(manifestPath, false);
        if (!kind) return failure(path, kind.error());
        if (kind.value() != EntryKind::Link) old = manifest::OldManifest::Replace;
      }
      report.outcome = Outcome::Replaced;
      break;
    case ManifestState::None:
      break;
  }
  if (Status failed =
          manifest::WriteManifestFile(services.files, manifestPath, manifest::BuildManifestText(name), old)) {
    ProgramReport failedReport = failure(path, *failed);
    failedReport.facts = report.facts;
    failedReport.manifest = report.manifest;
    return failedReport;
  }
  return report;
}

ProgramReport UndoFor(const std::string& path, bool force, Services services) {
  const Result<EntryKind> program = services.disk.kindOf(path, true);
  if (!program) return failure(path, program.error());
  // A manifest may outlive its program; it can still be removed.
  if (program.value() == EntryKind::Folder) return reportOf(path, Outcome::Folder);
  if (program.value() == EntryKind::Other) return reportOf(path, Outcome::NotAFile);
  const bool programExists = program.value() == EntryKind::File;
  const std::string name =
      programExists ? programName(path, services) : std::string(FileNameOf(path, services.disk.style()));
  const std::string manifestPath = manifestPathOf(path, services);
  // What a killed run left beside the manifest goes with it.
  services.files.removeLeftovers(manifestPath);
  const Result<ManifestInfo> found = inspectManifest(manifestPath, name, services);
  if (!found) return failure(path, found.error());

  ProgramReport report = reportOf(path, Outcome::Undone);
  report.manifest = found.value();
  switch (found.value().state) {
    case ManifestState::None:
    case ManifestState::NotAFile:
      // A folder of the manifest's name is not a manifest, as in the window
      // program: there is nothing to undo, and the folder stays.
      report.outcome = programExists ? Outcome::NothingToUndo : Outcome::NotFound;
      return report;
    case ManifestState::Foreign:
      if (!force) {
        report.outcome = Outcome::ForeignManifest;
        return report;
      }
      break;
    case ManifestState::Ours:
      break;
  }
  if (Status failed = removeManifest(manifestPath, services)) {
    ProgramReport failedReport = failure(path, *failed);
    failedReport.manifest = report.manifest;
    return failedReport;
  }
  return report;
}

}  // namespace kovrena::cli
