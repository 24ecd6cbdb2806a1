#pragma once
// The POSIX file system on a fresh folder, as the contracts take them.
#include <sys/stat.h>

#include <optional>
#include <string>

#include "platform/posix/file_system.h"
#include "tests/contracts/engine_contract.h"
#include "tests/native/posix_platform/temp_folder.h"

namespace kovrena::testing {

class PosixSubject final : public contract::EngineSubject {
 public:
  bool ready() const override { return folder_.ok(); }
  FileSystem& files() override { return files_; }
  std::string folder() const override { return folder_.path(); }
  std::string path(const std::string& name) const override { return folder_ / name; }
  bool makeFile(const std::string& path) override { return writeFile(path, "x"); }
  bool write(const std::string& path, const std::string& bytes) override { return writeFile(path, bytes); }
  bool makeFolder(const std::string& path) override { return ::mkdir(path.c_str(), 0755) == 0; }
  std::optional<std::string> read(const std::string& path) override { return readFile(path); }

 private:
  TempFolder folder_;
  posix::PosixFileSystem files_;
};

}  // namespace kovrena::testing
