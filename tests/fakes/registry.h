#pragma once
// A registry held in memory: keys and values as a test sets them, every
// opening and closing counted.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace kovrena::testing {

// UTF-16LE bytes of a text, as the wide registry functions store it.
template <class Unit>
std::string Utf16BytesOf(std::basic_string_view<Unit> text, bool terminated) {
  static_assert(sizeof(Unit) == 2);
  std::string bytes;
  for (const Unit unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  if (terminated) bytes.append(2, '\0');
  return bytes;
}
inline std::string utf16Bytes(std::u16string_view text, bool terminated = true) {
  return Utf16BytesOf(text, terminated);
}
#ifdef _WIN32
inline std::string utf16Bytes(std::wstring_view text, bool terminated = true) {
  return Utf16BytesOf(text, terminated);
}
#endif

// A REG_DWORD's bytes: little-endian.
inline std::string dwordBytes(std::uint32_t number) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
  return bytes;
}

inline RegistryValue textValue(std::u16string_view text, bool terminated = true) {
  return {reg::kTypeSz, utf16Bytes(text, terminated)};
}

inline RegistryValue dwordValue(std::uint32_t number) { return {reg::kTypeDword, dwordBytes(number)}; }

class FakeRegistry : public Registry {
 public:
  struct Open {
    std::uint32_t root;
    std::string path;
    std::uint32_t access;
    friend bool operator==(const Open&, const Open&) = default;
  };

  void set(std::uint32_t root, const std::string& path, const std::string& name, RegistryValue value) {
    keys_[{root, path}][name] = std::move(value);
  }
  void addKey(std::uint32_t root, const std::string& path) { keys_[{root, path}]; }

  Result<std::unique_ptr<RegistryKey>> openKey(std::uint32_t root, const std::string& path,
                                               std::uint32_t access) override {
    opens.push_back({root, path, access});
    auto key = keys_.find({root, path});
    if (key == keys_.end()) return Error{kErrFileNotFound, "key not found"};
    ++opened;
    return std::unique_ptr<RegistryKey>(std::make_unique<Key>(*this, key->second));
  }

  std::vector<Open> opens;
  int opened = 0;
  int closes = 0;
  std::vector<std::size_t> capacities;

 private:
  using Values = std::map<std::string, RegistryValue>;
  class Key : public RegistryKey {
   public:
    Key(FakeRegistry& owner, const Values& values) : owner_(owner), values_(values) {}
    ~Key() override { ++owner_.closes; }
    Result<RegistryValue> queryValue(const std::string& name, std::size_t capacityUnits) override {
      owner_.capacities.push_back(capacityUnits);
      auto value = values_.find(name);
      if (value == values_.end()) return Error{kErrFileNotFound, "value not found"};
      if (value->second.bytes.size() > capacityUnits * reg::UnitBytes(value->second.type)) {
        return Error{reg::kErrMoreData, "more data is available"};
      }
      return value->second;
    }

   private:
    FakeRegistry& owner_;
    const Values& values_;
  };
  std::map<std::pair<std::uint32_t, std::string>, Values> keys_;
};

}  // namespace kovrena::testing
