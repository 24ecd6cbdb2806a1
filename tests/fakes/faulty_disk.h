#pragma once
// A real disk that fails the operations a test names and passes the rest on.
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "platform/disk.h"

namespace kovrena::testing {

enum class DiskOp { Kind, List, Open };

class FaultyDisk final : public Disk {
 public:
  explicit FaultyDisk(Disk& real) : real_(real) {}
  std::vector<std::pair<DiskOp, Error>> faults;

  PathStyle style() const override { return real_.style(); }
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
  Disk& real_;
};

}  // namespace kovrena::testing
