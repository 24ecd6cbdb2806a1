#include "cli/operations.h"

#include <memory>
#include <string>
#include <utility>

#include "platform/path_text.h"
#include "program/architecture.h"
#include "program/manifest_check.h"
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

// Every manifest the tool would write for the program, the one that suits
// it first: the x86 bytes are always among them, since the window program
// writes those beside whatever program it is given. Without facts (the
// program is gone) every architecture's.
std::vector<std::string> ownManifests(const std::string& name, const std::optional<ProgramFacts>& facts) {
  std::vector<std::string> texts;
  const ManifestArchitecture suits = facts ? ArchitectureFor(*facts) : ManifestArchitecture::None;
  if (suits != ManifestArchitecture::None) texts.push_back(manifest::BuildManifestText(name, ProcessorArchitectureOf(suits)));
  for (const ManifestArchitecture each : {ManifestArchitecture::X86, ManifestArchitecture::Amd64, ManifestArchitecture::Any}) {
    if (each == suits || (facts && each != ManifestArchitecture::X86)) continue;
    texts.push_back(manifest::BuildManifestText(name, ProcessorArchitectureOf(each)));
  }
  return texts;
}

// What lies at the manifest path. Links are never followed: whatever one
// points at is not the manifest, and is neither judged nor touched. own:
// the tool's manifests for the program; the first is the one that suits it
// when suits.
Result<ManifestInfo> inspectManifest(const std::string& manifestPath, const std::vector<std::string>& own, bool suits,
                                     Services services) {
  const Result<EntryKind> kind = services.disk.kindOf(manifestPath, false);
  if (!kind) return kind.error();
  ManifestInfo info;
  switch (kind.value()) {
    case EntryKind::Missing: return info;
    case EntryKind::Link: info.state = ManifestState::Foreign; return info;
    case EntryKind::File: break;
    default: info.state = ManifestState::NotAFile; return info;
  }
  info.state = ManifestState::Foreign;
  for (std::size_t i = 0; i < own.size() && info.state == ManifestState::Foreign; ++i) {
    const Result<bool> same = holdsExactly(services.disk, manifestPath, own[i]);
    if (!same) return same.error();
    if (same.value()) info.state = i == 0 && suits ? ManifestState::Ours : ManifestState::OursOtherArchitecture;
  }
  const Result<std::uint32_t> attributes = services.files.getAttributes(manifestPath);
  if (!attributes) return attributes.error();
  constexpr std::uint32_t kHiddenSystem = attr::kHidden | attr::kSystem;
  info.hiddenSystem = (attributes.value() & kHiddenSystem) == kHiddenSystem;
  return info;
}

// The file's bytes, when it holds no more than limit of them.
Result<std::optional<std::string>> readUpTo(Disk& disk, const std::string& path, std::uint64_t limit) {
  Result<std::unique_ptr<ByteSource>> opened = disk.openForReading(path);
  if (!opened) return opened.error();
  ByteSource& file = *opened.value();
  if (file.size() > limit) return std::optional<std::string>();
  std::string bytes(static_cast<std::size_t>(file.size()), '\0');
  const std::span<std::uint8_t> out(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
  if (Status failed = file.read(0, out)) return *failed;
  return std::optional<std::string>(std::move(bytes));
}

// PreferExternalManifest, when it is set; only Windows reads it.
std::optional<bool> preferExternalManifest(Registry& registry) {
  constexpr std::uint32_t kWow64SixtyFourKey = 0x0100;  // the 64-bit view from a 32-bit process
  Result<std::unique_ptr<RegistryKey>> key =
      registry.openKey(reg::kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SideBySide",
                       reg::kReadAccess | kWow64SixtyFourKey);
  if (!key) return std::nullopt;
  const Result<RegistryValue> value = key.value()->queryValue("PreferExternalManifest", 4);
  if (!value || value.value().type != reg::kTypeDword || value.value().bytes.size() != 4) return std::nullopt;
  return value.value().bytes != std::string(4, '\0');
}

// Deletes what lies at the manifest path: a link itself, never its target
// (where the platform cannot tell the two apart it refuses the link); a file
// after its attributes are plain, as the window program does it, so that a
// read-only one goes too.
Status removeManifest(const std::string& manifestPath, Services services) {
  const Result<EntryKind> kind = services.disk.kindOf(manifestPath, false);
  if (!kind) return kind.error();
  if (kind.value() != EntryKind::Link) return manifest::RemoveManifestFile(services.files, manifestPath);
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
  const bool suits = ArchitectureFor(facts.value()) != ManifestArchitecture::None;
  const Result<ManifestInfo> manifest = inspectManifest(
      manifestPathOf(path, services), ownManifests(programName(path, services), facts.value()), suits, services);
  if (!manifest) return failure(path, manifest.error());
  ProgramReport report = reportOf(path, Outcome::Status);
  report.facts = facts.value();
  report.manifest = manifest.value();
  return report;
}

ProgramReport CheckOf(const std::string& path, Services services) {
  ProgramReport report = StatusOf(path, services);
  if (report.outcome != Outcome::Status) return report;
  report.outcome = Outcome::Checked;
  const ProgramFacts& facts = *report.facts;
  const ManifestArchitecture architecture = ArchitectureFor(facts);
  CheckFindings findings;
  findings.wine = services.host.wine;
  // Through a link too: the loader reads whatever the path leads to.
  const ManifestState state = report.manifest->state;
  if (state == ManifestState::Ours || state == ManifestState::OursOtherArchitecture ||
      state == ManifestState::Foreign) {
    const std::string manifestPath = manifestPathOf(path, services);
    constexpr std::uint64_t kLargestManifest = 1u << 20;
    Result<std::optional<std::string>> bytes = readUpTo(services.disk, manifestPath, kLargestManifest);
    if (!bytes) {
      const Result<EntryKind> target = services.disk.kindOf(manifestPath, true);
      // A dangling link is no manifest for the loader either.
      if (!target || target.value() != EntryKind::Missing) return failure(path, bytes.error());
    } else if (!bytes.value()) {
      findings.external = ManifestReading{ManifestProblem::NotXml, "1 MB'tan büyük", {}, {}, {}, {}};
    } else {
      findings.external = ReadManifest(*bytes.value(), architecture, facts.machine);
    }
  }
  if (facts.embedded == EmbeddedManifest::Unreadable) {
    findings.embedded = ManifestReading{ManifestProblem::NotXml, "baytları dosyanın dışında", {}, {}, {}, {}};
  } else if (facts.embedded != EmbeddedManifest::None) {
    findings.embedded = ReadManifest(facts.embeddedText, architecture, facts.machine);
  }
  if (!services.host.wine && services.host.registry != nullptr) {
    findings.preferExternal = preferExternalManifest(*services.host.registry);
  }
  report.check = std::move(findings);
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
  // A dependency for another processor than the process's own stops the
  // program from starting: no manifest rather than a wrong one.
  if (ArchitectureFor(facts.value()) == ManifestArchitecture::None) {
    report.outcome = Outcome::WrongMachine;
    return report;
  }
  // On XP the external file takes the place of the program's own manifest
  // entirely: a C runtime it names would no longer be found.
  if (!force && facts.value().embedded != EmbeddedManifest::None &&
      !ReadManifest(facts.value().embeddedText, ArchitectureFor(facts.value()), facts.value().machine)
           .otherDependencies.empty()) {
    report.outcome = Outcome::HidesDependencies;
    return report;
  }

  const std::string name = programName(path, services);
  const std::string manifestPath = manifestPathOf(path, services);
  const std::vector<std::string> own = ownManifests(name, facts.value());
  const Result<ManifestInfo> found = inspectManifest(manifestPath, own, true, services);
  if (!found) return failure(path, found.error());
  report.manifest = found.value();
  manifest::OldManifest old = manifest::OldManifest::None;
  switch (found.value().state) {
    case ManifestState::NotAFile:
      report.outcome = Outcome::ManifestBlocked;
      return report;
    case ManifestState::Ours:
    case ManifestState::OursOtherArchitecture:
    case ManifestState::Foreign:
      // The tool's own manifest for another processor (or the window
      // program's, which writes x86 beside anything) is replaced unasked.
      if (!force && found.value().state != ManifestState::OursOtherArchitecture) {
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
          manifest::WriteManifestFile(services.files, manifestPath, own.front(), old)) {
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
  std::optional<ProgramFacts> facts;
  if (programExists) {
    Result<ProgramFacts> read = readFacts(path, services.disk);
    if (!read) return failure(path, read.error());
    facts = read.value();
  }
  const bool suits = facts && ArchitectureFor(*facts) != ManifestArchitecture::None;
  const std::string manifestPath = manifestPathOf(path, services);
  // What a killed run left beside the manifest goes with it.
  services.files.removeLeftovers(manifestPath);
  const Result<ManifestInfo> found = inspectManifest(manifestPath, ownManifests(name, facts), suits, services);
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
    case ManifestState::OursOtherArchitecture:
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
