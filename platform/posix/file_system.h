#pragma once
// The file operations on Linux, with Windows attribute semantics: Hidden,
// System and Archive live in user.DOSATTRIB where Wine looks for them,
// Read-only is the absence of write permission, as Wine reads it. A folder
// the run lists is listed once for its walk and its lookups alike.
#include <set>
#include <string>

#include "platform/file_system.h"
#include "platform/posix/folder_index.h"

namespace kovrena::posix {

class PosixFileSystem final : public FileSystem {
 public:
  // Reading (file_reading.cpp).
  PathStyle style() const override { return PathStyle::Posix; }
  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override;
  // Every folder listed is entered in the index the lookups share.
  Result<std::vector<FolderEntry>> list(const std::string& folder) override;
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override;
  // A name a settled folder's listing does not hold is answered from it.
  Result<PathEntry> entryAt(const std::string& path) override;

  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override;
  Result<NewFile> createTemporaryFile(const std::string& path) override;
  void removeLeftovers(const std::string& path) override;
  Status setAttributes(const std::string& path, std::uint32_t attributes) override;
  Result<std::uint32_t> getAttributes(const std::string& path) override;
  Status deleteFile(const std::string& path) override;
  Status replaceFile(const std::string& from, const std::string& to) override;
  Result<std::uint32_t> linkCount(const std::string& path) override;
  Result<std::uint64_t> lastWriteTime(const std::string& path) override;
  Status setLastWriteTimeToNow(const std::string& path) override;
  void deferFolderSyncs() override { deferSyncs_ = true; }
  Status syncFolders() override;

 private:
  // The folder holding a change reaches the disk now, or at syncFolders().
  Status folderChanged(const std::string& folder);

  FolderIndex index_;
  bool deferSyncs_ = false;
  std::set<std::string> unsynced_;
};

}  // namespace kovrena::posix
