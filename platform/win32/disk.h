#pragma once
#include "platform/disk.h"

namespace kovrena::win32 {

class Win32Disk final : public Disk {
 public:
  PathStyle style() const override { return PathStyle::Windows; }
  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override;
  Result<std::vector<FolderEntry>> list(const std::string& folder) override;
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override;
};

}  // namespace kovrena::win32
