#pragma once
// The registry through the wide functions (RegOpenKeyExW, RegQueryValueExW).
#include "platform/registry.h"

namespace kovrena::win32 {

class Win32Registry : public Registry {
 public:
  // Roots other than the predefined ones are refused (error 6, invalid handle).
  Result<std::unique_ptr<RegistryKey>> openKey(std::uint32_t root, const std::string& path,
                                               std::uint32_t access) override;
};

}  // namespace kovrena::win32
