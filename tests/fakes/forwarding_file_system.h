#pragma once
// A file system that passes every operation on to another: the base of the
// test doubles that change a few of them.
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace kovrena::testing {

class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& real) : real_(real) {}

  PathStyle style() const override { return real_.style(); }
  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override {
    return real_.kindOf(path, followLinks);
  }
  Result<std::vector<FolderEntry>> list(const std::string& folder) override { return real_.list(folder); }
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override {
    return real_.openForReading(path);
  }
  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override {
    return real_.findFile(path, mask);
  }
  Result<NewFile> createTemporaryFile(const std::string& path) override { return real_.createTemporaryFile(path); }
  void removeLeftovers(const std::string& path) override { real_.removeLeftovers(path); }
  Status setAttributes(const std::string& path, std::uint32_t attributes) override {
    return real_.setAttributes(path, attributes);
  }
  Result<std::uint32_t> getAttributes(const std::string& path) override { return real_.getAttributes(path); }
  Status deleteFile(const std::string& path) override { return real_.deleteFile(path); }
  Status replaceFile(const std::string& from, const std::string& to) override { return real_.replaceFile(from, to); }
  Result<std::uint32_t> linkCount(const std::string& path) override { return real_.linkCount(path); }
  Result<std::uint64_t> lastWriteTime(const std::string& path) override { return real_.lastWriteTime(path); }
  Status setLastWriteTimeToNow(const std::string& path) override { return real_.setLastWriteTimeToNow(path); }
  void deferFolderSyncs() override { real_.deferFolderSyncs(); }
  Status syncFolders() override { return real_.syncFolders(); }

 protected:
  FileSystem& real_;
};

}  // namespace kovrena::testing
