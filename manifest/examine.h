#pragma once
// What the engine learns of one program before it acts, read once: the
// program, its name as the disk spells it, and what lies at its manifest
// path. The window program and kovrena-cli both start from it.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "manifest/outcome.h"
#include "platform/file_system.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/host_system.h"
#include "platform/registry.h"

namespace kovrena::manifest {

struct Services {
  FileSystem& files;
  HostSystem host{};  // what the running system does with a change
  Registry* registry = nullptr;  // Windows: where PreferExternalManifest is read; none: unset
};

// What the engine learns of one program before it acts, read once.
struct Examined {
  std::string path;                      // as given
  Result<EntryKind> kind = EntryKind::Missing;  // what the path leads to
  std::string name;                      // the file name as the disk spells it
  std::string manifestPath;              // the one the loader reads, letter case as found
  std::optional<ProgramFacts> facts;     // when the program could be read
  std::optional<Error> programError;     // when it could not
  ManifestArchitecture architecture = ManifestArchitecture::None;
  // The program's own manifest, read once with the program; none where it
  // has none that can be read. What it needs beyond the common controls is
  // hidden on XP by the file beside it, which takes its place there. (Both
  // readings are kept apart: the window program's stack holds this.)
  std::unique_ptr<ManifestReading> ownReading;
  // The documents the tool writes for this program, the one that suits it
  // first (when one does): any of them at the manifest path is the tool's.
  // Made only when a file lies there.
  std::vector<std::string> own;
  std::optional<ManifestInfo> manifest;  // what lies at the manifest path
  // The file there, read once: what each loader makes of it, where it is
  // not one of the tool's own documents (ownFound names that one). Only a
  // file's own bytes are read, never what a link leads to.
  std::unique_ptr<ManifestReading> besideReading;
  std::optional<std::size_t> ownFound;  // which of own lies there
  std::optional<Error> manifestError;    // when that could not be told
  std::optional<Error> manifestReadError;  // a file there whose bytes could not be read
};

Examined Examine(const std::string& path, Services services);

// What the program's own manifest needs beyond the common controls: on XP
// the file beside it takes that manifest's place, and they are not found.
std::span<const AssemblyIdentity> HiddenOnXp(const Examined& program);

// The document that suits the program, to be written beside it.
std::string OwnManifestText(const Examined& program);

// Larger than any manifest the tool writes, and than any a loader takes.
inline constexpr std::uint64_t kLargestManifest = 1u << 20;

// The file's bytes, when it holds no more than limit of them; nothing when
// it holds more.
Result<std::optional<std::string>> ReadUpTo(FileSystem& files, const std::string& path, std::uint64_t limit);

}  // namespace kovrena::manifest
