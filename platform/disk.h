#pragma once
// The read side of the file system, beside FileSystem's lookups and writes:
// what sits at a path, the entries of a folder, and reading a file's bytes.
// kovrena-cli walks folders and reads programs through it; the window
// program needs none of it. Paths and names are UTF-8.
#include <memory>
#include <string>
#include <vector>

#include "platform/byte_source.h"
#include "platform/error.h"

namespace kovrena {

// How the platform's paths are spelt: on Windows both slashes separate
// folders and "C:name" names a file on a drive; on POSIX only '/' does.
enum class PathStyle { Posix, Windows };

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

class Disk {
 public:
  virtual ~Disk() = default;
  virtual PathStyle style() const = 0;
  // What sits at path. Following links reports what a link leads to (and
  // Missing for a dangling one); otherwise a link is reported as Link.
  virtual Result<EntryKind> kindOf(const std::string& path, bool followLinks) = 0;
  // The entries of a folder, "." and ".." left out, in no particular order.
  virtual Result<std::vector<FolderEntry>> list(const std::string& folder) = 0;
  // Opens a file for reading only; writers and deleters are not locked out.
  virtual Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) = 0;
};

}  // namespace kovrena
