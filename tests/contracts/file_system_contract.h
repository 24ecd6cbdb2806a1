#pragma once
// What every FileSystem answers alike, whatever lies beneath it: the
// in-memory fake the logic's tests use, the POSIX one and, under Wine, the
// Win32 one. A test program instantiates FileSystemContract with the file
// systems it can make; each case gets a fresh one on an empty folder of its
// own. What differs by platform stays in that platform's tests.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/file_system.h"

namespace kovrena::contract {

// A file system under test, an empty folder for it, and the means to put a
// plain file or a folder there and read a file back behind its back.
class Subject {
 public:
  virtual ~Subject() = default;
  virtual bool ready() const = 0;
  virtual FileSystem& files() = 0;
  // A path inside the empty folder, in the platform's own spelling.
  virtual std::string path(const std::string& name) const = 0;
  virtual bool makeFile(const std::string& path) = 0;
  virtual bool makeFolder(const std::string& path) = 0;
  // The whole file, nothing when there is none.
  virtual std::optional<std::string> read(const std::string& path) = 0;
};

struct Maker {
  const char* name;
  std::function<std::unique_ptr<Subject>()> make;
};
inline void PrintTo(const Maker& maker, std::ostream* out) { *out << maker.name; }

class FileSystemContract : public ::testing::TestWithParam<Maker> {
 protected:
  void SetUp() override {
    subject_ = GetParam().make();
    ASSERT_TRUE(subject_ != nullptr && subject_->ready()) << "no empty folder for " << GetParam().name;
  }
  FileSystem& files() { return subject_->files(); }
  Subject& at() { return *subject_; }

 private:
  std::unique_ptr<Subject> subject_;
};

// The test names carry the file system's name.
inline std::string MakerName(const ::testing::TestParamInfo<Maker>& info) { return info.param.name; }

}  // namespace kovrena::contract
