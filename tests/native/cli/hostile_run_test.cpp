// Runs under conditions a user or a hostile tree brings about: deep
// folders, names at the file system's limit, a disk that cannot make a
// folder durable.
#include <gtest/gtest.h>

#include <pthread.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/targets.h"
#include "tests/native/cli/cli_test_support.h"

namespace kovrena::cli {
namespace {

using testing::BuildPe;
using testing::CliRun;
using testing::FaultyPosix;
using testing::FileOp;
using testing::Moment;
using testing::RunCliWith;
using testing::TempFolder;
using testing::writeFile;

// Folders nested without end: every folder holds one folder "d" and one
// program, down to depth.
class DeepDisk final : public testing::ForwardingFileSystem {
 public:
  DeepDisk(std::size_t depth, FileSystem& rest) : ForwardingFileSystem(rest), depth_(depth) {}
  PathStyle style() const override { return PathStyle::Posix; }
  Result<EntryKind> kindOf(const std::string&, bool) override { return EntryKind::Folder; }
  Result<std::vector<FolderEntry>> list(const std::string& folder) override {
    std::vector<FolderEntry> entries = {{"p.exe", EntryKind::File}};
    if (folder.size() / 2 < depth_) entries.push_back({"d", EntryKind::Folder});
    return entries;
  }
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string&) override {
    return Error{5, "okunmaz"};
  }

 private:
  std::size_t depth_;
};

struct WalkOnSmallStack {
  std::size_t depth;
  std::size_t found = 0;
};

// A quarter of a megabyte of stack, far less than any thread gets: a walk
// that takes stack per folder dies here long before the depth is reached.
TEST(Walk, AnyDepthOfFoldersWithoutRunningOutOfStack) {
  WalkOnSmallStack walk{5000};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 256 * 1024);
  pthread_t thread;
  ASSERT_EQ(pthread_create(
                &thread, &attributes,
                [](void* argument) -> void* {
                  auto* w = static_cast<WalkOnSmallStack*>(argument);
                  posix::PosixFileSystem rest;
                  DeepDisk disk(w->depth, rest);
                  const std::vector<std::string> top = {"."};
                  ProgramWalk programs(top, true, disk);
                  while (programs.next()) ++w->found;
                  return nullptr;
                },
                &walk),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
  EXPECT_EQ(walk.found, walk.depth + 1);
}

struct SyncCase {
  const char* label;
  const char* command;
  bool syncFails;
  int exit;
};

// A run that writes syncs each folder once, after its programs, and tells
// none of them done before that; a sync that fails fails them.
TEST(FolderSync, OncePerFolderBeforeItsProgramsAreReported) {
  const std::vector<SyncCase> cases = {
      {"apply", "apply", false, kExitDone},
      {"apply, the folder cannot be synced", "apply", true, kExitFailed},
  };
  for (const SyncCase& c : cases) {
    SCOPED_TRACE(c.label);
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    for (const char* sub : {"a", "b"}) {
      ASSERT_EQ(::mkdir((folder / sub).c_str(), 0755), 0);
      for (const char* name : {"1.exe", "2.exe", "3.exe"}) writeFile(folder / sub + "/" + name, BuildPe({}).bytes);
    }
    FaultyPosix platform;
    int syncs = 0;
    platform.files.around = [&](FileOp op, Moment moment) {
      if (op == FileOp::SyncFolders && moment == Moment::Before) ++syncs;
    };
    if (c.syncFails) platform.files.faults = {{FileOp::SyncFolders, Error{5, "G/Ç hatası"}, {}}};
    const CliRun run = RunCliWith({c.command, "--recursive", folder.path()}, platform.disk);
    EXPECT_EQ(run.exit, c.exit) << run.err;
    EXPECT_EQ(syncs, 2);
    EXPECT_EQ(run.err.find("G/Ç hatası") != std::string::npos, c.syncFails) << run.err;
  }
}

struct LongNameCase {
  std::size_t bytes;  // of the program's name
  int applyExit;
};

// Every program whose manifest name can exist gets one; where it cannot,
// status finds none and apply says why.
TEST(LongNames, ApplyWorksWhereverTheManifestNameFits) {
  const std::vector<LongNameCase> cases = {
      {226, kExitDone}, {246, kExitDone}, {247, kExitFailed}, {255, kExitFailed}};
  for (const LongNameCase& c : cases) {
    SCOPED_TRACE(c.bytes);
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string program = folder / (std::string(c.bytes - 4, 'u') + ".exe");
    writeFile(program, BuildPe({}).bytes);
    FaultyPosix platform;
    const CliRun status = RunCliWith({"status", program}, platform.disk);
    EXPECT_EQ(status.exit, kExitDone) << status.err;
    const CliRun apply = RunCliWith({"apply", program}, platform.disk);
    EXPECT_EQ(apply.exit, c.applyExit) << apply.err;
    if (c.applyExit != kExitDone) {
      EXPECT_NE(apply.err.find("en çok 255 bayt"), std::string::npos) << apply.err;
    }
    EXPECT_EQ(folder.entries().size(), c.applyExit == kExitDone ? 2u : 1u) << "no temporary file left";
  }
}

// Memory running out in the middle of a run (here: a folder listing that
// asks for more than there is) ends it at once, as a failure with its reason,
// wherever it happens: an exception could not pass the libraries, which are
// built without them.
class HungryDisk final : public testing::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  Result<EntryKind> kindOf(const std::string&, bool) override { return EntryKind::Folder; }
  Result<std::vector<FolderEntry>> list(const std::string&) override {
    std::vector<FolderEntry> entries;
    entries.reserve(SIZE_MAX / sizeof(FolderEntry) / 2);
    return entries;
  }
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string&) override { return Error{5, "okunmaz"}; }
};

TEST(OutOfMemory, EndsTheRunAsAFailureWithItsReason) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator answers a request this large itself";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        posix::PosixFileSystem files;
        HungryDisk disk(files);
        RunCliWith({"status", "--recursive", "/klasor"}, disk);
      },
      ::testing::ExitedWithCode(kExitFailed), "kovrena-cli: bellek yetmedi");
#endif
}

}  // namespace
}  // namespace kovrena::cli
