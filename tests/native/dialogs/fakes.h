#pragma once
// Recording fakes of the platform services the launcher talks to.
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/process_launcher.h"
#include "platform/registry.h"

namespace kovrena::testing {

// UTF-16LE bytes of a text, as the wide registry functions store it.
inline std::string utf16(std::u16string_view text, bool terminated = true) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  if (terminated) bytes.append(2, '\0');
  return bytes;
}

inline RegistryValue textValue(std::u16string_view text, bool terminated = true) {
  return {reg::kTypeSz, utf16(text, terminated)};
}

inline RegistryValue dwordValue(std::uint32_t number) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
  return {reg::kTypeDword, bytes};
}

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

// Files by exact path with their attributes; the lookup admits hidden and
// system files only when the mask has their bits.
class FakeFiles : public FileSystem {
 public:
  void add(const std::string& path, std::uint32_t attributes) { files_[path] = attributes; }
  void failLookups(Error error) { failure_ = std::move(error); }

  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override {
    lookups.push_back(path);
    if (failure_) return *failure_;
    auto file = files_.find(path);
    if (file == files_.end()) return std::string();
    const std::uint32_t guarded = file->second & (attr::kHidden | attr::kSystem | attr::kDirectory);
    if ((guarded & ~mask) != 0 || (file->second & attr::kDirectory) != 0) return std::string();
    return path.substr(path.find_last_of('\\') + 1);
  }
  Result<NewFile> createTemporaryFile(const std::string&) override { return unused(); }
  void removeLeftovers(const std::string&) override {}
  Status setAttributes(const std::string&, std::uint32_t) override { return unused(); }
  Result<std::uint32_t> getAttributes(const std::string&) override { return unused(); }
  Status deleteFile(const std::string&) override { return unused(); }
  Status replaceFile(const std::string&, const std::string&) override { return unused(); }

  std::vector<std::string> lookups;

 private:
  static Error unused() { return Error{5, "not used by the launcher"}; }
  std::map<std::string, std::uint32_t> files_;
  std::optional<Error> failure_;
};

// Starts succeed for the listed paths only, as a real start does for files
// that exist; an empty path never starts.
class FakeLauncher : public ProcessLauncher {
 public:
  struct Start {
    std::string path;
    int showCommand;
    friend bool operator==(const Start&, const Start&) = default;
  };
  std::set<std::string> startable;
  std::vector<Start> starts;

  Status start(const std::string& path, int showCommand) override {
    starts.push_back({path, showCommand});
    if (path.empty() || startable.count(path) == 0) return Error{kErrFileNotFound, "cannot start"};
    return std::nullopt;
  }
};

class RecordingMessages : public MessageBoxService {
 public:
  struct Shown {
    std::string text;
    std::uint32_t style;
    friend bool operator==(const Shown&, const Shown&) = default;
  };
  std::vector<Shown> shown;

  int show(const std::string& text, std::uint32_t style) override {
    shown.push_back({text, style});
    return mb::kAnswerOk;
  }
};

}  // namespace kovrena::testing
