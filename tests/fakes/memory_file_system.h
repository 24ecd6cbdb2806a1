#pragma once
// An in-memory file system that behaves like Windows where its callers can
// tell the difference (read-only and open files refuse deletion, folders
// refuse to be opened as files, lookups admit what the platform's lookups
// admit and find a name in any letter case) and that fails any operation on
// request. It keeps the FileSystem contract the real ones keep
// (tests/contracts). Paths are whole keys, matched exactly but by the
// lookup: the name a lookup returns is what follows the last separator of
// the key found. A folder exists when it was added or holds an entry.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/file_system.h"
#include "tests/fakes/faults.h"

namespace kovrena::testing {

struct MemoryEntry {
  std::string bytes;
  std::uint32_t attributes = attr::kArchive;
  bool directory = false;
  int openHandles = 0;
  std::uint32_t links = 1;
  bool special = false;  // a device or pipe: there, but no file
  std::uint64_t written = 0;  // the last-write time
};

// It is also the disk the engine reads programs and manifests from, with
// Windows paths.
class MemoryFileSystem final : public FileSystem {
 public:
  std::map<std::string, MemoryEntry> entries;
  std::vector<Fault> faults;
  // Runs once after each lookup: lets a test pull a file away between the
  // existence check and what follows it.
  std::function<void()> afterFind;
  // Runs after each call with its log entry: lets a test change the files
  // between two steps.
  std::function<void(const std::string&)> afterCall;
  // The present, as setLastWriteTimeToNow sets it: one step later at each call.
  std::uint64_t clock = 1000;
  // Every call, as "op path" (with the value for attributes), in order.
  std::vector<std::string> log;

  void addFile(const std::string& path, std::string bytes, std::uint32_t attributes = attr::kArchive);
  // A file whose contents do not matter to the test.
  void addFile(const std::string& path, std::uint32_t attributes = attr::kArchive) { addFile(path, "", attributes); }
  void addDirectory(const std::string& path);
  bool exists(const std::string& path) const { return entries.count(path) != 0; }
  // The paths looked up, in order.
  std::vector<std::string> lookups() const;

  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override;
  // Temporary files are made by this writer; leftovers are not looked for.
  static constexpr Writer kWriter{'w', 1};
  Result<NewFile> createTemporaryFile(const std::string& path) override;
  void removeLeftovers(const std::string& path) override { log.push_back("leftovers " + path); }
  Status setAttributes(const std::string& path, std::uint32_t attributes) override;
  Result<std::uint32_t> getAttributes(const std::string& path) override;
  Status deleteFile(const std::string& path) override;
  Status replaceFile(const std::string& from, const std::string& to) override;
  Result<std::uint32_t> linkCount(const std::string& path) override;
  Result<std::uint64_t> lastWriteTime(const std::string& path) override;
  Status setLastWriteTimeToNow(const std::string& path) override;

  PathStyle style() const override { return PathStyle::Windows; }
  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override;
  Result<std::vector<FolderEntry>> list(const std::string& folder) override;
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override;

  // The entry at path, else the one of its folder whose name differs from
  // path's in letter case only.
  std::map<std::string, MemoryEntry>::iterator findAnyCase(const std::string& path);
  // Whether the folder named by prefix (ending in its separator) exists.
  bool folderExists(const std::string& prefix) const;

  std::optional<Error> faultFor(FileOp op, std::optional<std::uint32_t> value = std::nullopt,
                                const std::string* path = nullptr) const {
    return FaultFor(faults, op, value, path);
  }
};

// The errors the fake uses where Windows would report them.
Error notFoundError();
Error accessDeniedError();
Error sharingViolationError();

}  // namespace kovrena::testing
