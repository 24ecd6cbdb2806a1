#include "manifest/examine.h"

#include <memory>
#include <span>
#include <string>
#include <utility>

#include "manifest/manifest_text.h"
#include "platform/path_text.h"
#include "program/architecture.h"

namespace kovrena::manifest {

namespace {

using program::ArchitectureFor;
using program::ProcessorArchitectureOf;

Result<ProgramFacts> readFacts(const std::string& path, FileSystem& files, std::unique_ptr<ManifestReading>& ownReading) {
  Result<std::unique_ptr<ByteSource>> file = files.openForReading(path);
  if (!file) return file.error();
  return program::ReadProgramFacts(*file.value(), &ownReading);
}

// The program's name as the disk spells it (Windows keeps the letter case
// of the file, whatever case the user typed), as the file dialog of the
// window program reports it; the typed name when the lookup finds nothing.
std::string programName(const std::string& path, Services services) {
  // A POSIX path that leads to a file names it exactly as the disk spells it.
  if (services.files.style() == PathStyle::Posix) return std::string(FileNameOf(path, PathStyle::Posix));
  const Result<std::string> found = services.files.findFile(path, attr::kAnyFileLookup);
  if (found && !found.value().empty()) return found.value();
  return std::string(FileNameOf(path, services.files.style()));
}


// Every manifest the tool writes for a program of this name, the one that
// suits it first: the tool's own for any processor is still the tool's
// (the window program once wrote x86 beside everything, and a program may
// since have been replaced by its build for another processor).
std::vector<std::string> ownManifests(const std::string& name, ManifestArchitecture suits) {
  std::vector<std::string> texts;
  if (suits != ManifestArchitecture::None) texts.push_back(BuildManifestText(name, ProcessorArchitectureOf(suits)));
  for (const ManifestArchitecture each : {ManifestArchitecture::X86, ManifestArchitecture::Amd64, ManifestArchitecture::Any}) {
    if (each != suits) texts.push_back(BuildManifestText(name, ProcessorArchitectureOf(each)));
  }
  return texts;
}

// What lies at the manifest path. Links are never followed: whatever one
// points at is not the manifest, and is neither judged nor touched.
Result<ManifestInfo> inspectManifest(Examined& program, EntryKind kind, Services services) {
  const std::string& path = program.manifestPath;
  ManifestInfo info;
  switch (kind) {
    case EntryKind::Missing: return info;
    case EntryKind::Link: {
      // A link that cannot be followed (one that leads round to itself) is
      // nothing a loader reads, nor anything to delete in its place.
      const Result<EntryKind> target = services.files.kindOf(path, true);
      info.state = target ? ManifestState::Foreign : ManifestState::NotAFile;
      info.link = target.ok();
      info.unresolvable = !target.ok();
      return info;
    }
    case EntryKind::File: break;
    case EntryKind::Folder:
      info.state = ManifestState::NotAFile;
      info.folder = true;
      return info;
    case EntryKind::Other: info.state = ManifestState::NotAFile; return info;
  }
  // Made only where a file is there to be compared with them.
  program.own = ownManifests(program.name, program.architecture);
  Result<std::optional<std::string>> bytes = ReadUpTo(services.files, path, kLargestManifest);
  info.state = ManifestState::Foreign;
  if (!bytes) {
    // A file whose bytes cannot be read is still there to be asked about:
    // not knowing what it holds is no reason to delete it, nor to stop an
    // undo that only needs to know it is not the tool's.
    info.content = ManifestContent::Unreadable;
    program.manifestReadError = bytes.error();
  } else if (!bytes.value()) {
    info.content = ManifestContent::TooLarge;
  } else {
    for (std::size_t i = 0; i < program.own.size(); ++i) {
      if (*bytes.value() != program.own[i]) continue;
      const bool suits = i == 0 && program.architecture != ManifestArchitecture::None;
      info.state = suits ? ManifestState::Ours : ManifestState::OursOtherArchitecture;
      program.ownFound = i;
      break;
    }
    // The tool's own documents are known without reading them again.
    if (info.state == ManifestState::Foreign) {
      const std::uint16_t machine = program.facts ? program.facts->machine : 0;
      program.besideReading = program::ReadManifestKept(*bytes.value(), program.architecture, machine);
      info.otherDependencies = program.besideReading->otherDependencies;
      if (!IsAssemblyManifest(program.besideReading->problem)) info.content = ManifestContent::NotAManifest;
    }
  }
  // A file with other names is not the tool's to change, whatever it holds:
  // whatever is done to it in place happens to the other names too.
  const Result<std::uint32_t> names = services.files.linkCount(path);
  if (!names) return names.error();
  if (names.value() > 1) info.state = ManifestState::Foreign;
  const Result<std::uint32_t> attributes = services.files.getAttributes(path);
  if (!attributes) return attributes.error();
  constexpr std::uint32_t kHiddenSystem = attr::kHidden | attr::kSystem;
  info.hiddenSystem = (attributes.value() & kHiddenSystem) == kHiddenSystem;
  return info;
}

}  // namespace

Examined Examine(const std::string& path, Services services) {
  Examined program;
  program.path = path;
  program.kind = services.files.kindOf(path, true);
  if (!program.kind) return program;
  const EntryKind kind = program.kind.value();
  // A manifest may outlive its program: it is still looked at, so that it
  // can be undone.
  if (kind != EntryKind::File && kind != EntryKind::Missing) return program;
  if (kind == EntryKind::File) {
    program.name = programName(path, services);
    Result<ProgramFacts> facts = readFacts(path, services.files, program.ownReading);
    if (!facts) {
      // The manifest beside it is still looked at: undoing needs nothing
      // of the program, and the tool's documents for every processor are
      // recognised without knowing which one it is.
      program.programError = facts.error();
    } else {
      program.facts = std::move(facts).value();
      program.architecture = ArchitectureFor(*program.facts);
    }
  } else {
    program.name = std::string(FileNameOf(path, services.files.style()));
  }
  // The manifest path, or, where nothing has exactly that name, the file
  // whose name differs from it only in letter case: Wine loads that one as
  // the program's manifest, so it is the one reported and acted on. A lookup
  // that fails is a failure: "no manifest" would let apply write a second
  // one beside it. What lies there comes along, links not followed.
  std::string exact = ManifestPath(path, services.files.style());
  Result<PathEntry> manifestPath = services.files.entryAt(exact);
  if (!manifestPath) {
    program.manifestPath = std::move(exact);
    program.manifestError = manifestPath.error();
    return program;
  }
  program.manifestPath = std::move(manifestPath.value().path);
  Result<ManifestInfo> manifest = inspectManifest(program, manifestPath.value().kind, services);
  if (!manifest) {
    program.manifestError = manifest.error();
    return program;
  }
  program.manifest = std::move(manifest).value();
  return program;
}


std::span<const AssemblyIdentity> HiddenOnXp(const Examined& program) {
  if (!program.ownReading) return {};
  return program.ownReading->otherDependencies;
}

std::string OwnManifestText(const Examined& program) {
  return BuildManifestText(program.name, ProcessorArchitectureOf(program.architecture));
}

Result<std::optional<std::string>> ReadUpTo(FileSystem& files, const std::string& path, std::uint64_t limit) {
  Result<std::unique_ptr<ByteSource>> opened = files.openForReading(path);
  if (!opened) return opened.error();
  ByteSource& file = *opened.value();
  if (file.size() > limit) return std::optional<std::string>();
  std::string bytes(static_cast<std::size_t>(file.size()), '\0');
  const std::span<std::uint8_t> out(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
  if (Status failed = file.read(0, out)) return *failed;
  return std::optional<std::string>(std::move(bytes));
}

}  // namespace kovrena::manifest
