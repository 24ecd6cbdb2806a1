#pragma once
// What the engine does on a real disk, whatever the platform beneath it: the
// window program's apply and undo on the POSIX file system and disk and, under
// Wine, on the Win32 ones. A test program instantiates EngineContract with
// the platform it has; each case gets a fresh folder holding only the
// program. What differs by platform (links, xattrs, a killed run) stays in
// that platform's tests.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/manifest_procedures.h"
#include "platform/disk.h"
#include "platform/file_system.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/message_box.h"

namespace kovrena::contract {

// A file system and disk under test, an empty folder for them, and the
// means to put bytes or a folder there and read a file back behind their back.
class EngineSubject {
 public:
  virtual ~EngineSubject() = default;
  virtual bool ready() const = 0;
  virtual FileSystem& files() = 0;
  virtual Disk& disk() = 0;
  // The empty folder, in the platform's own spelling.
  virtual std::string folder() const = 0;
  virtual bool write(const std::string& path, const std::string& bytes) = 0;
  virtual bool makeFolder(const std::string& path) = 0;
  // The whole file, nothing when there is none.
  virtual std::optional<std::string> read(const std::string& path) = 0;
};

struct EngineMaker {
  const char* name;
  std::function<std::unique_ptr<EngineSubject>()> make;
};
inline void PrintTo(const EngineMaker& maker, std::ostream* out) { *out << maker.name; }
inline std::string EngineMakerName(const ::testing::TestParamInfo<EngineMaker>& info) { return info.param.name; }

class EngineContract : public ::testing::TestWithParam<EngineMaker> {
 protected:
  void SetUp() override;
  EngineSubject& at() { return *subject_; }
  std::string path(const std::string& name) const;
  std::string separator() const;
  // Windows XP: the file beside a program is the one in force.
  app::ManifestServices services() {
    return app::ManifestServices{messages, subject_->files(), subject_->disk(), HostSystem{System::Xp, false},
                                 nullptr};
  }
  // The number of entries in the folder, the program's included.
  std::size_t entries();

  testing::RecordingMessageBox messages;
  testing::RecordingControls controls;
  app::Target target;
  std::string manifest;

 private:
  std::unique_ptr<EngineSubject> subject_;
};

}  // namespace kovrena::contract
