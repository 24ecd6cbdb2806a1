#pragma once
// The file operations through the wide-character Windows API, with the
// lookup semantics of a classic directory listing.
#include <windows.h>

#include "platform/file_system.h"

namespace kovrena::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override;
  Result<std::unique_ptr<OutputFile>> createFile(const std::string& path) override;
  Status setAttributes(const std::string& path, std::uint32_t attributes) override;
  Result<std::uint32_t> getAttributes(const std::string& path) override;
  Status deleteFile(const std::string& path) override;
};

// Whether a listing with this mask admits an entry with these attributes:
// folders never, hidden or system entries only when the mask holds the bit.
bool lookupAdmits(DWORD fileAttributes, std::uint32_t mask);

}  // namespace kovrena::win32
