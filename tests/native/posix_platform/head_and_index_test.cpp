// The first pages of a program come from one read; the folder index keeps
// a few listings only, and finds as it did with all of them.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/posix/file_system.h"
#include "tests/native/posix_platform/temp_folder.h"

namespace kovrena::posix {
namespace {

using testing::TempFolder;

TEST(ProgramHead, ReadsAcrossItsEdgeAndFailsOnAFileThatShrank) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  std::string bytes(10000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  testing::writeFile(folder / "p.exe", bytes);
  struct Case {
    std::uint64_t offset;
    std::size_t size;
    std::size_t truncateTo;  // before the read; 0: left whole
    bool ok;
  };
  const std::vector<Case> cases = {
      {0, 64, 0, true}, {4000, 96, 0, true}, {4090, 20, 0, true}, {9000, 1000, 0, true},
      {0, 200, 100, false}, {5000, 10, 4500, false},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.offset);
    testing::writeFile(folder / "p.exe", bytes);
    PosixFileSystem disk;
    Result<std::unique_ptr<ByteSource>> source = disk.openForReading(folder / "p.exe");
    ASSERT_TRUE(source);
    if (each.truncateTo != 0) {
      ASSERT_EQ(::truncate((folder / "p.exe").c_str(), static_cast<off_t>(each.truncateTo)), 0);
    }
    std::vector<std::uint8_t> out(each.size);
    const Status read = source.value()->read(each.offset, out);
    EXPECT_EQ(!read, each.ok);
    if (each.ok) {
      EXPECT_EQ(std::string(out.begin(), out.end()), bytes.substr(each.offset, each.size));
    }
  }
}

TEST(FolderIndexKept, LookupsInManyFoldersFindWhatIsThere) {
  TempFolder root;
  ASSERT_TRUE(root.ok());
  PosixFileSystem files;
  constexpr int kFolders = 20;
  for (int i = 0; i < kFolders; ++i) {
    const std::string folder = root / std::to_string(i);
    ::mkdir(folder.c_str(), 0755);
    testing::writeFile(folder + "/P.EXE.MANIFEST", "x");
  }
  // Each folder twice, far enough apart that its listing was let go between.
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < kFolders; ++i) {
      const std::string folder = root / std::to_string(i);
      if (round == 1 && i % 2 == 0) {
        ::unlink((folder + "/P.EXE.MANIFEST").c_str());
        testing::writeFile(folder + "/p.Exe.Manifest", "x");
      }
      const Result<std::string> found = files.findFile(folder + "/p.exe.manifest", attr::kAnyFileLookup);
      ASSERT_TRUE(found);
      EXPECT_EQ(found.value(), round == 1 && i % 2 == 0 ? "p.Exe.Manifest" : "P.EXE.MANIFEST") << folder;
    }
  }
}

// A folder's time moves in ticks of the file system's clock: a change in the
// tick of the one before leaves the folder's time as it was, and a listing
// read between the two must not hide it.
TEST(FolderIndexKept, FindsAFileMadeInTheTickItsFolderWasListed) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  PosixFileSystem files;
  ASSERT_EQ(files.findFile(folder / "p.exe.manifest", attr::kAnyFileLookup).value(), "");
  struct stat listed {};
  ASSERT_EQ(::stat(folder.path().c_str(), &listed), 0);
  testing::writeFile(folder / "p.exe.manifest", "x");
  const struct timespec times[2] = {listed.st_atim, listed.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, folder.path().c_str(), times, 0), 0);
  const Result<PathEntry> found = files.entryAt(folder / "p.exe.manifest");
  ASSERT_TRUE(found);
  EXPECT_EQ(found.value().kind, EntryKind::File);
}

}  // namespace
}  // namespace kovrena::posix
