#pragma once
// The file system as the logic sees it, the one seam between the two: what
// sits at a path, folders' entries, files' bytes and attributes, and the
// changes the tool makes. Paths and names are UTF-8 text.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_source.h"
#include "platform/error.h"
#include "platform/path_text.h"

namespace kovrena {

enum class EntryKind {
  Missing,
  File,
  Folder,
  Link,   // a symbolic link or other reparse point, when links are not followed
  Other,  // a device, pipe or socket: never read, never written
};

struct FolderEntry {
  std::string name;
  EntryKind kind = EntryKind::Missing;  // the entry itself; links are not followed
  friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};

// Windows attribute bits; the POSIX implementation keeps them in the
// user.DOSATTRIB extended attribute.
namespace attr {
inline constexpr std::uint32_t kNormal = 0;
inline constexpr std::uint32_t kReadOnly = 1;
inline constexpr std::uint32_t kHidden = 2;
inline constexpr std::uint32_t kSystem = 4;
inline constexpr std::uint32_t kDirectory = 16;
inline constexpr std::uint32_t kArchive = 32;
// Lookup masks: the plain lookup finds ordinary files only; mask 39 also
// finds read-only, hidden, system and archive files. Folders never match.
inline constexpr std::uint32_t kPlainLookup = 0;
inline constexpr std::uint32_t kAnyFileLookup = kReadOnly | kHidden | kSystem | kArchive;
}  // namespace attr

// Whether a lookup with this mask finds an entry with these attributes: a
// hidden or system file only when the mask holds that bit, a folder never.
constexpr bool LookupAdmits(std::uint32_t attributes, std::uint32_t mask) {
  if ((attributes & attr::kDirectory) != 0) return false;
  return (attributes & (attr::kHidden | attr::kSystem) & ~mask) == 0;
}

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual Status write(std::string_view bytes) = 0;
  // Waits until what was written is on the disk itself, not only in the
  // system's cache: a power cut afterwards loses none of it.
  virtual Status flush() = 0;
  virtual Status close() = 0;
};

// A file just made for writing, and where it was made.
struct NewFile {
  std::string path;
  std::unique_ptr<OutputFile> file;
};

// The ending of the temporary files a replacement is written to. The full
// name is the replaced file's, the writer (so that two never share one),
// a number and this ending: it never ends in ".manifest", so the loader
// never takes it for a manifest, nor in ".exe" or any other program ending,
// so no tool takes it for a program.
inline constexpr std::string_view kTemporaryEnding = ".kovrena-tmp";

// The process that writes a temporary file: 'u' for a POSIX process, 'w'
// for a Windows one (Wine's included), and its process id on that platform.
struct Writer {
  char platform;
  std::uint32_t process;
  friend bool operator==(const Writer&, const Writer&) = default;
};

// How long a file name may be: 255 bytes of UTF-8 on Linux, 255 UTF-16
// units on Windows (where the whole path must also stay within MAX_PATH).
enum class NameUnits { Bytes, Utf16 };
inline constexpr std::size_t kLongestName = 255;
// The length of a name in those units; a byte outside valid UTF-8 counts one.
std::size_t NameLength(std::string_view name, NameUnits units);

// "prog.exe.manifest" -> "prog.exe.manifest.u4711-0.kovrena-tmp". Where
// that name would be longer than longest, the file's own name is cut short
// (whole characters only) so that it fits: any manifest name that can
// exist has a temporary file beside it.
std::string TemporaryPathFor(std::string_view path, Writer writer, std::uint32_t attempt,
                             NameUnits units = NameUnits::Bytes, std::size_t longest = kLongestName);
// The writer of the folder entry named entry, when it is a temporary file
// of the file named name (letter case aside, as Windows matches names; a
// name cut short matches every name it begins).
std::optional<Writer> TemporaryWriterOf(std::string_view name, std::string_view entry);
// The name a temporary file was written for (cut short where it was), and
// its writer; nothing when entry is no temporary file.
struct TemporaryName {
  std::string_view name;
  Writer writer;
};
std::optional<TemporaryName> TemporaryNameOf(std::string_view entry);

// What lies at a path, and the path as the folder spells its name.
struct PathEntry {
  std::string path;
  EntryKind kind = EntryKind::Missing;
};

class FileSystem;
// FileSystem::entryAt from the other lookups: the exact name, then any
// letter case.
Result<PathEntry> EntryByLookups(FileSystem& files, const std::string& path);

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reading.
  virtual PathStyle style() const = 0;
  // What sits at path. Following links reports what a link leads to (and
  // Missing for a dangling one); otherwise a link is reported as Link.
  virtual Result<EntryKind> kindOf(const std::string& path, bool followLinks) = 0;
  // The entries of a folder, "." and ".." left out, in no particular order.
  virtual Result<std::vector<FolderEntry>> list(const std::string& folder) = 0;
  // Opens a file for reading only; writers and deleters are not locked out.
  virtual Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) = 0;
  // What lies at path, links not followed; where nothing has exactly that
  // name, the file whose name differs from it only in letter case (Wine
  // loads that one), when there is one. A platform that can answer from
  // what it knows already does so without a lookup of its own.
  virtual Result<PathEntry> entryAt(const std::string& path) { return EntryByLookups(*this, path); }
  // The name (without folder) of the file at path that the mask admits, or
  // the empty text when there is none. A file that is hidden or system is
  // admitted only when the mask holds that bit; folders never are.
  virtual Result<std::string> findFile(const std::string& path, std::uint32_t mask) = 0;
  // Creates a new file for binary writing beside path, named by
  // TemporaryPathFor(path, this process, …) and Hidden from its first
  // instant. Nothing that exists already is opened, truncated or followed.
  virtual Result<NewFile> createTemporaryFile(const std::string& path) = 0;
  // Removes the temporary files beside path that a writer of this platform
  // left when it was killed: those whose process has ended. Best effort; a
  // run still writing keeps its file.
  virtual void removeLeftovers(const std::string& path) = 0;
  // Sets the attributes to exactly this value, or fails: a file system that
  // cannot keep Hidden or System reports it rather than dropping them.
  virtual Status setAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual Result<std::uint32_t> getAttributes(const std::string& path) = 0;
  // Removes the file and, where the platform can, waits until its folder
  // no longer holds it on the disk either.
  virtual Status deleteFile(const std::string& path) = 0;
  // Puts the file at from in the place of to in one step, replacing the
  // file there if any, and waits until the change is on the disk. At every
  // instant to names the old file or the new one.
  virtual Status replaceFile(const std::string& from, const std::string& to) = 0;
  // The number of names the file at path has: more than one means that
  // changing it in place changes another name too. A link is refused, as
  // by setAttributes.
  virtual Result<std::uint32_t> linkCount(const std::string& path) = 0;
  // The file's last-write time in 100 ns steps since 1601 (as Windows
  // counts), following links; and setting it to the present. Setting it
  // changes nothing else of the file: not its bytes, its other times nor
  // its attributes, and a read-only file is no exception.
  virtual Result<std::uint64_t> lastWriteTime(const std::string& path) = 0;
  virtual Status setLastWriteTimeToNow(const std::string& path) = 0;
  // From now on deleteFile and replaceFile leave waiting for the folder to
  // syncFolders(), which waits once for every folder changed since: a run
  // over many programs in one folder pays for it once. A change is not on
  // the disk for sure before syncFolders() succeeds, so nothing may be
  // reported done before that. Platforms that always wait ignore it.
  virtual void deferFolderSyncs() {}
  virtual Status syncFolders() { return std::nullopt; }
  // None of them acts through a symbolic link on the file it leads to.
  // Where the platform can delete or replace the link itself (POSIX) it does;
  // where it cannot (Windows, Wine above all) every operation above but the
  // lookups refuses a link, and setAttributes refuses one everywhere.
};

}  // namespace kovrena
