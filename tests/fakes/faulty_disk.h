#pragma once
// A real file system whose reading fails where a test names it; the rest
// is passed on.
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "tests/fakes/forwarding_file_system.h"

namespace kovrena::testing {

enum class DiskOp { Kind, List, Open };

class FaultyDisk final : public ForwardingFileSystem {
 public:
  explicit FaultyDisk(FileSystem& real) : ForwardingFileSystem(real) {}
  std::vector<std::pair<DiskOp, Error>> faults;

  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override {
    if (auto f = faultFor(DiskOp::Kind)) return *f;
    return real_.kindOf(path, followLinks);
  }
  Result<std::vector<FolderEntry>> list(const std::string& folder) override {
    if (auto f = faultFor(DiskOp::List)) return *f;
    return real_.list(folder);
  }
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override {
    if (auto f = faultFor(DiskOp::Open)) return *f;
    return real_.openForReading(path);
  }

 private:
  std::optional<Error> faultFor(DiskOp op) const {
    for (const auto& [faulty, error] : faults) {
      if (faulty == op) return error;
    }
    return std::nullopt;
  }
};

}  // namespace kovrena::testing
