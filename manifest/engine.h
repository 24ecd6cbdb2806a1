#pragma once
// The manifest engine both programs share: it examines a program once and
// applies or undoes the XP style for it, returning what it found and did.
// It shows nothing and names no control: the window program presents the
// outcome in message boxes, kovrena-cli as text and JSON. Talks to the
// world only through the platform interfaces.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "manifest/outcome.h"
#include "platform/disk.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/host_system.h"
#include "platform/registry.h"

namespace kovrena::manifest {

// The manifest text for a program name (UTF-8, CR LF line ends), for an
// x86 program.
std::string BuildManifestText(std::string_view programName);
// The same document with both processorArchitecture values set to
// architecture ("amd64", "*"); "x86" gives the bytes above.
std::string BuildManifestText(std::string_view programName, std::string_view architecture);
// The target path followed directly by ".manifest".
std::string ManifestPath(std::string_view targetPath);
// True when a file of exactly this path exists, hidden/system/read-only included, folders not.
Result<bool> ManifestFileKontrol(FileSystem& files, const std::string& path);
// What WriteManifestFile does with a file already at the manifest path.
enum class OldManifest {
  None,     // none is expected: a rename into an empty place
  Replace,  // its read-only bit is cleared right before the rename, so that a
            // read-only one is replaced too, and given back if the rename fails
};
// Writes the manifest file in one step: the whole text goes to a temporary
// file beside it, Hidden from its creation, flushed to the disk and made
// Hidden+System, which is then renamed over the manifest path. The path
// holds the old file or the complete new one at every instant, a kill or a
// power cut included; any failure removes the temporary file and leaves
// the old one where it was.
Status WriteManifestFile(FileSystem& files, const std::string& manifestPath, std::string_view text,
                         OldManifest old);

// Deletes the manifest file: its attributes plain first (unless the file
// has other names), deleted, found gone, its folder on the disk (see
// FileSystem::deleteFile). On any failure the file keeps the attributes it
// had; a delete that reports success but leaves the file is a failure.
inline constexpr std::string_view kStillThereMessage = "Dosya silinemedi: silindi bildirildiği halde hâlâ yerinde";
Status RemoveManifestFile(FileSystem& files, const std::string& manifestPath);

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

// What the user has allowed beyond the tool's own files: to replace or
// delete a manifest the tool did not write, or to hide the program's own
// dependencies on XP. kovrena-cli's --force; the window program's Yes.
enum class Consent { None, Given };

Report StatusOf(const Examined& program);
Report CheckOf(const Examined& program, const HostSystem& host, Registry* registry, Services services);
// What applying comes to whatever the user allows: the program is not one
// a manifest beside it could help, or cannot be read. Nothing when it is.
std::optional<Report> ApplyRefusal(const Examined& program);
// Writes the manifest that suits the program's processor beside it.
Report ApplyTo(const Examined& program, Consent consent, Services services);
// Deletes the manifest beside the program.
Report UndoFor(const Examined& program, Consent consent, Services services);
// What follows either on the system the services name: a change made to
// take effect now where the system caches manifests (the program's
// last-write time set), a refusal a process with full rights may overcome
// marked as such.
Report AfterChange(const Examined& program, Report report, Services services);


// What a system's loader does with the program, the manifests in force.
Binding BindingOn(System system, const CheckFindings& findings, const ProgramFacts& facts);
// The manifest in force on a system: the one beside the program on XP (and
// where PreferExternalManifest asks for it), the program's own on the
// later systems and Wine; the other one when only that one exists.
const ManifestReading* InForce(System system, const CheckFindings& findings, bool& fromExternal);
// Whether on this system the program's own manifest wins over the file
// beside it, so that writing that file changes nothing here.
bool OwnManifestWins(System system, std::optional<bool> preferExternal, const ProgramFacts& facts);
// PreferExternalManifest, when it is set; only Windows reads it.
std::optional<bool> PreferExternalManifest(Registry& registry);

}  // namespace kovrena::manifest
