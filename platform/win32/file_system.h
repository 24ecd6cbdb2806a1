#pragma once
// The file operations through the wide-character Windows API, with the
// lookup semantics of a classic directory listing.
#include <windows.h>

#include <string>

#include "platform/file_system.h"

namespace kovrena::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  // Reading (file_reading.cpp).
  PathStyle style() const override { return PathStyle::Windows; }
  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override;
  Result<std::vector<FolderEntry>> list(const std::string& folder) override;
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override;

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
};

// Whether path is a symbolic link or another reparse point. Windows marks
// them with FILE_ATTRIBUTE_REPARSE_POINT; Wine does not for a link to a
// file, which is found out by where the path leads: elsewhere than its own
// folder and name. False when nothing is there, or it cannot be told (the
// operation that follows then meets the same obstacle).
bool IsLink(const std::wstring& path);

}  // namespace kovrena::win32
