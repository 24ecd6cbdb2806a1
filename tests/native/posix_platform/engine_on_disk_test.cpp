#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "manifest/manifest_file.h"
#include "manifest/manifest_text.h"
#include "platform/posix/file_system.h"
#include "tests/fakes/pe_builder.h"
#include "tests/fakes/faulty_file_system.h"
#include "tests/native/posix_platform/posix_subject.h"

namespace kovrena::app {
namespace {

using manifest::BuildManifestText;
using manifest::OldManifest;
using manifest::WriteManifestFile;

using testing::FaultyFileSystem;
using testing::FileOp;
using testing::Moment;
using testing::rawDosAttrib;
using testing::readFile;
using testing::writeFile;

// The engine's contract on the POSIX file system and disk.
const contract::EngineMaker kPosix{"Posix", [] { return std::make_unique<testing::PosixSubject>(); }};
using contract::EngineContract;
INSTANTIATE_TEST_SUITE_P(Posix, EngineContract, ::testing::Values(kPosix), contract::EngineMakerName);

// What the POSIX disk alone is asked.
class EngineOnDisk : public EngineContract {};
INSTANTIATE_TEST_SUITE_P(Posix, EngineOnDisk, ::testing::Values(kPosix), contract::EngineMakerName);

// A file-size limit makes write() stop part-way and then fail with EFBIG:
// a real disk refusing the data, without mounting anything.
TEST_P(EngineOnDisk, WriteRefusedPartWayLeavesTheOldManifestAndNothingElse) {
  writeFile(manifest, "eski");
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const Status failure =
      WriteManifestFile(at().files(), manifest, BuildManifestText(target.programName), OldManifest::Replace);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->number, EFBIG);
  EXPECT_EQ(readFile(manifest), "eski");
  EXPECT_EQ(entries(), 2u) << "the program and the old manifest only";
}

// Killed at any step, the run leaves the old manifest or the complete new
// one at the path, never a part of either; what it leaves besides is a
// hidden temporary file that no loader reads.
TEST_P(EngineOnDisk, KilledAtAnyStepLeavesTheOldManifestOrTheCompleteNewOne) {
  const std::string text = BuildManifestText(target.programName);
  const struct {
    const char* step;
    FileOp op;
    Moment moment;
    bool newManifest;
  } cases[] = {{"create", FileOp::Create, Moment::After, false},
               // half of it on its way to the disk, then the end
               {"write", FileOp::Write, Moment::After, false},
               {"flush", FileOp::Flush, Moment::Before, false},
               {"attributes", FileOp::SetAttributes, Moment::Before, false},
               {"rename", FileOp::Replace, Moment::Before, false},
               {"after rename", FileOp::Replace, Moment::After, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step);
    writeFile(manifest, "eski");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      posix::PosixFileSystem real;
      FaultyFileSystem killing(real);
      if (c.op == FileOp::Write) killing.faults = {{FileOp::Write, Error{EIO, "kesildi"}}};
      killing.around = [&c](FileOp op, Moment moment) {
        if (op == c.op && moment == c.moment) ::kill(::getpid(), SIGKILL);
      };
      (void)WriteManifestFile(killing, manifest, text, OldManifest::Replace);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(readFile(manifest), c.newManifest ? text : "eski");
    const auto left = at().files().list(at().folder());
    for (const FolderEntry& entry : left.value()) {
      if (entry.name == "Çizim & Boya.exe" || entry.name == "Çizim & Boya.exe.manifest") continue;
      EXPECT_TRUE(entry.name.ends_with(kTemporaryEnding)) << entry.name;
      EXPECT_NE(rawDosAttrib(path(entry.name)), std::nullopt) << entry.name << " is hidden";
      ::unlink(path(entry.name).c_str());
    }
  }
}

// The window program at a link, as kovrena-cli: after Yes the link itself is
// replaced, and undo removes a link itself; what it leads to is never read
// as the manifest, written or deleted.
TEST_P(EngineOnDisk, LinkAtTheManifestPathIsNeverFollowed) {
  const std::string victim = path("başkasının.txt");
  writeFile(victim, "dokunma");
  for (const bool applyOption : {true, false}) {
    SCOPED_TRACE(applyOption ? "apply" : "undo");
    ::unlink(manifest.c_str());
    ASSERT_EQ(::symlink(victim.c_str(), manifest.c_str()), 0);
    messages.shown.clear();
    messages.answers = {mb::kAnswerYes};
    controls.applyOption = applyOption;
    cmdUygulaClick(target, controls, services());
    struct stat info {};
    if (applyOption) {
      ASSERT_EQ(messages.shown.size(), 2u);
      EXPECT_EQ(messages.shown[1], contract::kApplied);
      ASSERT_EQ(::lstat(manifest.c_str(), &info), 0);
      EXPECT_TRUE(S_ISREG(info.st_mode));
    } else {
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0], contract::kUndone);
      EXPECT_NE(::lstat(manifest.c_str(), &info), 0);
    }
    EXPECT_EQ(readFile(victim), "dokunma");
    EXPECT_FALSE(rawDosAttrib(victim).has_value());
  }
}

// A ramfs keeps no user xattrs: Hidden+System cannot be stored there, which
// must be an error and not a manifest silently left visible.
class WithoutUserXattrs : public EngineContract {
 protected:
  void SetUp() override {
    EngineContract::SetUp();
    if (HasFatalFailure()) return;
    mountPoint = path("ramfs");
    ASSERT_EQ(::mkdir(mountPoint.c_str(), 0755), 0);
    if (::mount("kovrena-test", mountPoint.c_str(), "ramfs", 0, nullptr) != 0) {
      GTEST_SKIP() << "cannot mount a ramfs here (" << std::strerror(errno)
                   << "): the file system without user xattrs is not tested";
    }
    mounted = true;
    target.path = mountPoint + "/prog.exe";
    target.programName = "prog.exe";
    manifest = target.path + ".manifest";
    writeFile(target.path, testing::BuildPe({}).bytes);
  }
  void TearDown() override {
    if (mounted) ::umount2(mountPoint.c_str(), MNT_DETACH);
  }
  std::string mountPoint;
  bool mounted = false;
};
INSTANTIATE_TEST_SUITE_P(Posix, WithoutUserXattrs, ::testing::Values(kPosix), contract::EngineMakerName);

TEST_P(WithoutUserXattrs, NonZeroAttributesAreAnErrorZeroIsFine) {
  writeFile(manifest, "x");
  FileSystem& files = at().files();
  const Status hidden = files.setAttributes(manifest, attr::kHidden | attr::kSystem);
  ASSERT_TRUE(hidden.has_value());
  EXPECT_EQ(hidden->number, ENOTSUP);
  EXPECT_EQ(files.setAttributes(manifest, attr::kNormal), std::nullopt);
  EXPECT_EQ(files.setAttributes(manifest, attr::kReadOnly), std::nullopt);
  EXPECT_EQ(files.getAttributes(manifest).value(), attr::kReadOnly);
  EXPECT_EQ(files.findFile(manifest, attr::kPlainLookup).value(), "prog.exe.manifest");
}

TEST_P(WithoutUserXattrs, ApplyReportsTheFailureAndLeavesNoVisibleManifest) {
  cmdUygulaClick(target, controls, services());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            ErrorReportText(kApplyHeadline, kNumberLabel, Error{ENOTSUP, std::strerror(ENOTSUP)}));
  EXPECT_FALSE(readFile(manifest).has_value());
  EXPECT_EQ(at().files().list(mountPoint).value().size(), 1u) << "the program only";
}

}  // namespace
}  // namespace kovrena::app
