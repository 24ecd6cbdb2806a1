#pragma once
// The window program's apply and undo on a real disk, alike on the POSIX and
// (under Wine) the Win32 one: each case gets a fresh folder holding only the
// program. What differs by platform stays in fixtures derived from this one.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/manifest_procedures.h"
#include "platform/file_system.h"
#include "platform/file_system.h"
#include "tests/contracts/file_system_contract.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/pe_builder.h"

namespace kovrena::contract {

// The file-system contract's subject with its disk, the folder itself, and
// the means to put any bytes there behind their back.
class EngineSubject : public Subject {
 public:
  virtual std::string folder() const = 0;
  virtual bool write(const std::string& path, const std::string& bytes) = 0;
};

inline const testing::ShownMessage kApplied{"Seçtiğiniz programa (Çizim & Boya.exe) XP Görünüm Stili uygulandı", 64};
inline const testing::ShownMessage kUndone{"Seçtiğiniz programa yapılmış XP Stili Görünüm düzenlemesi geri alındı", 64};

struct EngineMaker {
  const char* name;
  std::function<std::unique_ptr<EngineSubject>()> make;
};
inline std::string EngineMakerName(const ::testing::TestParamInfo<EngineMaker>& tested) { return tested.param.name; }

class EngineContract : public ::testing::TestWithParam<EngineMaker> {
 protected:
  void SetUp() override {
    subject_ = GetParam().make();
    ASSERT_TRUE(subject_ != nullptr && subject_->ready()) << "no empty folder for " << GetParam().name;
    target = app::Target{path("Çizim & Boya.exe"), "Çizim & Boya.exe"};
    manifest = target.path + ".manifest";
    controls.pathText = target.path;
    ASSERT_TRUE(subject_->write(target.path, testing::BuildPe({}).bytes));
  }
  EngineSubject& at() { return *subject_; }
  std::string path(const std::string& name) const { return subject_->path(name); }
  // Windows XP: the file beside a program is the one in force.
  app::ManifestServices services() {
    return app::ManifestServices{messages, subject_->files(), HostSystem{System::Xp, false}, nullptr};
  }
  // The entries of the folder, the program's included.
  std::size_t entries() {
    const Result<std::vector<FolderEntry>> listed = subject_->files().list(subject_->folder());
    return listed ? listed.value().size() : 0;
  }

  testing::RecordingMessageBox messages;
  testing::RecordingControls controls;
  app::Target target;
  std::string manifest;

 private:
  std::unique_ptr<EngineSubject> subject_;
};

}  // namespace kovrena::contract
