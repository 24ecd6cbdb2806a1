#pragma once
#include "platform/disk.h"
#include "platform/posix/folder_index.h"

namespace kovrena::posix {

class PosixDisk final : public Disk {
 public:
  PosixDisk() = default;
  // Every folder listed is entered in index, which the lookups then share.
  explicit PosixDisk(FolderIndex& index) : index_(&index) {}
  PathStyle style() const override { return PathStyle::Posix; }
  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override;
  Result<std::vector<FolderEntry>> list(const std::string& folder) override;
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override;

 private:
  FolderIndex* index_ = nullptr;
};

}  // namespace kovrena::posix
