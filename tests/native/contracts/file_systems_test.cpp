// The file systems that keep the contract natively: the POSIX one on a
// fresh folder, and the in-memory fake on a folder it holds, Windows paths
// and all, as the logic's tests give it.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "tests/contracts/file_system_contract.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/native/posix_platform/posix_subject.h"

namespace kovrena::contract {
namespace {

class MemorySubject final : public Subject {
 public:
  MemorySubject() { files_.addDirectory(kFolder); }
  bool ready() const override { return true; }
  FileSystem& files() override { return files_; }
  std::string path(const std::string& name) const override { return std::string(kFolder) + "\\" + name; }
  bool makeFile(const std::string& path) override {
    files_.addFile(path, "x");
    return true;
  }
  bool makeFolder(const std::string& path) override {
    files_.addDirectory(path);
    return true;
  }
  std::optional<std::string> read(const std::string& path) override {
    const auto entry = files_.entries.find(path);
    if (entry == files_.entries.end() || entry->second.directory) return std::nullopt;
    return entry->second.bytes;
  }

 private:
  static constexpr const char* kFolder = "C:\\Oyunlar";
  testing::MemoryFileSystem files_;
};

INSTANTIATE_TEST_SUITE_P(Native, FileSystemContract,
                         ::testing::Values(Maker{"Posix", [] { return std::make_unique<testing::PosixSubject>(); }},
                                           Maker{"Memory", [] { return std::make_unique<MemorySubject>(); }}),
                         MakerName);

}  // namespace
}  // namespace kovrena::contract
