#pragma once
// What the engine learns of one program before it acts, read once: the
// program, its name as the disk spells it, and what lies at its manifest
// path. The window program and kovrena-cli both start from it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "manifest/outcome.h"
#include "platform/disk.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/host_system.h"

namespace kovrena::manifest {

struct Services {
  Disk& disk;
  FileSystem& files;
  HostSystem host{};  // what the running system does with a change
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
  // What the program's own manifest needs beyond the common controls, read
  // once here: on XP the file beside it takes that manifest's place, and
  // they are no longer found. Empty when there are none.
  std::vector<AssemblyIdentity> hiddenOnXp;
  // The documents the tool writes for this program, the one that suits it
  // first (when one does): any of them at the manifest path is the tool's.
  // Made only when a file lies there.
  std::vector<std::string> own;
  std::optional<ManifestInfo> manifest;  // what lies at the manifest path
  std::optional<Error> manifestError;    // when that could not be told
  std::optional<Error> manifestReadError;  // a file there whose bytes could not be read
};

Examined Examine(const std::string& path, Services services);

// The document that suits the program, to be written beside it.
std::string OwnManifestText(const Examined& program);

// Larger than any manifest the tool writes, and than any a loader takes.
inline constexpr std::uint64_t kLargestManifest = 1u << 20;

// The file's bytes, when it holds no more than limit of them; nothing when
// it holds more.
Result<std::optional<std::string>> ReadUpTo(Disk& disk, const std::string& path, std::uint64_t limit);

}  // namespace kovrena::manifest
