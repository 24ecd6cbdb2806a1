#include "platform/win32/registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/last_error.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {
namespace {

// The predefined roots are sign-extended handle values on 64-bit Windows, so
// a 32-bit number cannot simply be cast to an HKEY.
HKEY predefinedRoot(std::uint32_t root) {
  switch (root) {
    case reg::kClassesRoot: return HKEY_CLASSES_ROOT;
    case reg::kCurrentUser: return HKEY_CURRENT_USER;
    case reg::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case reg::kUsers: return HKEY_USERS;
    default: return nullptr;
  }
}

class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}

  Result<RegistryValue> queryValue(const std::string& name, std::size_t capacityUnits) override {
    // Room for capacityUnits UTF-16 units; a value of another type may use
    // only capacityUnits bytes of it.
    std::vector<BYTE> buffer(capacityUnits * 2, 0);
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG status = RegQueryValueExW(key_.get(), ToWide(name).c_str(), nullptr, &type,
                                         buffer.data(), &size);
    if (status != ERROR_SUCCESS) return ErrorFromCode(static_cast<DWORD>(status));
    if (size > capacityUnits * reg::UnitBytes(type)) return ErrorFromCode(ERROR_MORE_DATA);
    return RegistryValue{type, std::string(reinterpret_cast<const char*>(buffer.data()), size)};
  }

 private:
  UniqueKey key_;
};

}  // namespace

Result<std::unique_ptr<RegistryKey>> Win32Registry::openKey(std::uint32_t root, const std::string& path,
                                                            std::uint32_t access) {
  const HKEY parent = predefinedRoot(root);
  if (parent == nullptr) return ErrorFromCode(ERROR_INVALID_HANDLE);
  UniqueKey key;
  const LONG status = RegOpenKeyExW(parent, ToWide(path).c_str(), 0, access, key.put());
  if (status != ERROR_SUCCESS) return ErrorFromCode(static_cast<DWORD>(status));
  return std::unique_ptr<RegistryKey>(std::make_unique<Win32Key>(key.release()));
}

}  // namespace kovrena::win32
