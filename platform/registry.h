#pragma once
// Reading the registry. Values come back as the registry stores them, so the
// logic applies its own byte-level rules: numbers and binary data as raw
// bytes; text types as UTF-16LE code units, which is how the wide registry
// functions store and return them. The logic decodes that text itself, in
// one place (dialogs/registry_text.h).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/error.h"

namespace kovrena {

namespace reg {
// The predefined roots, as their 32-bit handle values.
inline constexpr std::uint32_t kClassesRoot = 0x80000000;
inline constexpr std::uint32_t kCurrentUser = 0x80000001;
inline constexpr std::uint32_t kLocalMachine = 0x80000002;
inline constexpr std::uint32_t kUsers = 0x80000003;
// KEY_READ: query value, enumerate subkeys, notify, read control.
inline constexpr std::uint32_t kReadAccess = 0x20019;

inline constexpr std::uint32_t kTypeNone = 0;
inline constexpr std::uint32_t kTypeSz = 1;
inline constexpr std::uint32_t kTypeExpandSz = 2;
inline constexpr std::uint32_t kTypeDword = 4;
inline constexpr std::uint32_t kTypeLink = 6;
inline constexpr std::uint32_t kTypeMultiSz = 7;

// ERROR_MORE_DATA: the value does not fit the capacity asked for.
inline constexpr std::int32_t kErrMoreData = 234;

constexpr bool StoresText(std::uint32_t type) {
  return type == kTypeSz || type == kTypeExpandSz || type == kTypeLink || type == kTypeMultiSz;
}
// The size of one stored unit: a UTF-16 code unit for text, a byte otherwise.
constexpr std::size_t UnitBytes(std::uint32_t type) { return StoresText(type) ? 2 : 1; }
}  // namespace reg

struct RegistryValue {
  std::uint32_t type = reg::kTypeNone;
  std::string bytes;  // exactly the bytes stored, no terminator added
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// An open key; destroying it closes the key.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The value of that name (empty: the key's default value). capacityUnits
  // counts stored units (see reg::UnitBytes), so text gets as many
  // characters, terminator included, as a byte-per-character reading would:
  // a value with more units fails with reg::kErrMoreData.
  virtual Result<RegistryValue> queryValue(const std::string& name, std::size_t capacityUnits) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Opens path (UTF-8, backslash-separated) below a predefined root with
  // this access mask.
  virtual Result<std::unique_ptr<RegistryKey>> openKey(std::uint32_t root, const std::string& path,
                                                       std::uint32_t access) = 0;
};

}  // namespace kovrena
