#pragma once
// The file operations on Linux, with Windows attribute semantics: Hidden,
// System and Archive live in user.DOSATTRIB where Wine looks for them,
// Read-only is the absence of write permission, as Wine reads it.
#include <set>
#include <string>

#include "platform/file_system.h"
#include "platform/posix/folder_index.h"

namespace kovrena::posix {

class PosixFileSystem final : public FileSystem {
 public:
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

  // The listings the lookups share; the run's Disk may fill it as it walks.
  FolderIndex& index() { return index_; }

 private:
  // The folder holding a change reaches the disk now, or at syncFolders().
  Status folderChanged(const std::string& folder);

  FolderIndex index_;
  bool deferSyncs_ = false;
  std::set<std::string> unsynced_;
};

}  // namespace kovrena::posix
