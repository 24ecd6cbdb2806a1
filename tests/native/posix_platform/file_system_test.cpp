#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/file_system.h"
#include "tests/native/posix_platform/temp_folder.h"

namespace kovrena::posix {
namespace {

using namespace std::string_literals;
using testing::rawDosAttrib;
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

class PosixFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.ok()); }
  TempFolder folder;
  PosixFileSystem files;
};

struct AttributeCase {
  std::uint32_t value;
  std::optional<std::string> raw;  // the stored xattr; nullopt: none stored
  bool writable;
};

TEST_F(PosixFiles, AttributesRoundTripThroughDosAttrib) {
  const std::vector<AttributeCase> cases = {
      {0, std::nullopt, true},
      {attr::kHidden | attr::kSystem, "0x6", true},
      {attr::kHidden, "0x2", true},
      {attr::kSystem | attr::kArchive, "0x24", true},
      {attr::kReadOnly, std::nullopt, false},
      {attr::kReadOnly | attr::kHidden | attr::kSystem, "0x6", false},
      {attr::kArchive | attr::kHidden | attr::kSystem, "0x26", true},
  };
  const std::string path = folder / "a.manifest";
  writeFile(path, "x");
  for (const AttributeCase& c : cases) {
    SCOPED_TRACE(c.value);
    ASSERT_EQ(files.setAttributes(path, c.value), std::nullopt);
    EXPECT_EQ(rawDosAttrib(path), c.raw);
    const Result<std::uint32_t> read = files.getAttributes(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), c.value);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ((info.st_mode & S_IWUSR) != 0, c.writable);
  }
}

TEST_F(PosixFiles, ForeignDosAttribValuesAreHonoured) {
  const std::string path = folder / "samba.manifest";
  writeFile(path, "x");
  const std::string sambaRecord = "0x22\0\x03\x00\x03\x00\x00\x00\x11\x00"s;
  ASSERT_EQ(::setxattr(path.c_str(), "user.DOSATTRIB", sambaRecord.data(), sambaRecord.size(), 0), 0);
  EXPECT_EQ(files.getAttributes(path).value(), attr::kHidden | attr::kArchive);
  EXPECT_EQ(files.findFile(path, attr::kPlainLookup).value(), "");
  EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "samba.manifest");
}

TEST_F(PosixFiles, FolderNamedLikeTheFileIsNeverAFile) {
  const std::string path = folder / "prog.exe.manifest";
  ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
  EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "");
  EXPECT_EQ(files.getAttributes(path).value() & attr::kDirectory, attr::kDirectory);
  NewFile created = std::move(files.createTemporaryFile(path)).value();
  ASSERT_EQ(created.file->close(), std::nullopt);
  EXPECT_EQ(files.replaceFile(created.path, path)->number, EISDIR);
  const Status deleted = files.deleteFile(path);
  ASSERT_TRUE(deleted.has_value());
  EXPECT_EQ(deleted->number, EISDIR);
}

// Beyond the contract (tests/contracts): a path that runs through a file is
// missing too.
TEST_F(PosixFiles, PathThroughAFileIsMissing) {
  writeFile(folder / "file", "x");
  const std::string path = folder / "file/under-a-file";
  EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "");
  EXPECT_EQ(files.setAttributes(path, 6)->number, 53);
  EXPECT_EQ(files.getAttributes(path).error().number, 53);
  EXPECT_EQ(files.deleteFile(path)->number, 53);
}

TEST_F(PosixFiles, TemporaryFileIsNewHiddenFromTheStartAndWritesAll) {
  const std::string path = folder / "out.manifest";
  const std::string taken = TemporaryPathFor(path, Writer{'u', static_cast<std::uint32_t>(::getpid())}, 0);
  ASSERT_EQ(::symlink("nowhere", taken.c_str()), 0);
  auto created = files.createTemporaryFile(path);
  ASSERT_TRUE(created.ok());
  NewFile file = std::move(created).value();
  EXPECT_EQ(file.path, TemporaryPathFor(path, Writer{'u', static_cast<std::uint32_t>(::getpid())}, 1))
      << "a name taken, by a link even, is passed over";
  EXPECT_EQ(rawDosAttrib(file.path), "0x2");
  const std::string bytes = "a\r\nb\0c"s + std::string(100000, 'z');
  EXPECT_EQ(file.file->write(bytes), std::nullopt);
  EXPECT_EQ(file.file->flush(), std::nullopt);
  EXPECT_EQ(file.file->close(), std::nullopt);
  EXPECT_TRUE(file.file->close().has_value()) << "a second close is refused, not repeated";
  EXPECT_EQ(readFile(file.path), bytes);
  EXPECT_EQ(files.replaceFile(file.path, path), std::nullopt);
  EXPECT_EQ(readFile(path), bytes);
  EXPECT_EQ(rawDosAttrib(path), "0x2");
  EXPECT_FALSE(readFile(file.path).has_value());
}

// Someone else's file, and a link to it where a manifest would be: the
// link's attributes cannot be set without changing that file, so that is
// refused; deleting or renaming over it acts on the link alone.
TEST_F(PosixFiles, NothingActsThroughALink) {
  const std::string victim = folder / "başkasının.txt";
  const std::string path = folder / "prog.exe.manifest";
  struct Case {
    const char* label;
    std::function<Status()> run;
    int error;  // 0: done
    bool linkStays;
  };
  const std::vector<Case> cases = {
      {"attributes 0", [&] { return files.setAttributes(path, attr::kNormal); }, ELOOP, true},
      {"attributes 7", [&] { return files.setAttributes(path, 7); }, ELOOP, true},
      {"delete", [&] { return files.deleteFile(path); }, 0, false},
      {"rename over", [&] {
         NewFile file = std::move(files.createTemporaryFile(path)).value();
         (void)file.file->close();
         return files.replaceFile(file.path, path);
       }, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    writeFile(victim, "dokunma");
    ASSERT_EQ(::chmod(victim.c_str(), 0444), 0);
    ASSERT_EQ(::symlink(victim.c_str(), path.c_str()), 0);
    const Status done = c.run();
    EXPECT_EQ(done.has_value() ? done->number : 0, c.error);
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode), c.linkStays);
    ASSERT_EQ(::stat(victim.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
    EXPECT_EQ(readFile(victim), "dokunma");
    EXPECT_FALSE(rawDosAttrib(victim).has_value());
    ::unlink(path.c_str());
    ::chmod(victim.c_str(), 0644);
  }
}

// Wine opens a manifest whatever the letter case of its name; the lookup
// finds that file, the exact name first.
TEST_F(PosixFiles, LookupFindsTheNameInAnyLetterCaseExactFirst) {
  const std::string path = folder / "probe.exe.manifest";
  writeFile(folder / "PROBE.EXE.MANIFEST", "x");
  EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "PROBE.EXE.MANIFEST");
  ASSERT_EQ(files.setAttributes(folder / "PROBE.EXE.MANIFEST", attr::kHidden), std::nullopt);
  EXPECT_EQ(files.findFile(path, attr::kPlainLookup).value(), "") << "the mask applies to it too";
  EXPECT_EQ(files.findFile(folder / "probe.exe.manifestx", attr::kAnyFileLookup).value(), "");
  writeFile(path, "y");
  EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "probe.exe.manifest");
}

TEST(LookupAdmits, HiddenAndSystemNeedTheirBitFoldersNever) {
  const struct {
    std::uint32_t attributes, mask;
    bool admitted;
  } cases[] = {
      {attr::kNormal, attr::kPlainLookup, true},
      {attr::kArchive | attr::kReadOnly, attr::kPlainLookup, true},
      {attr::kHidden, attr::kPlainLookup, false},
      {attr::kSystem, attr::kPlainLookup, false},
      {attr::kHidden, attr::kHidden, true},
      {attr::kHidden | attr::kSystem, attr::kHidden, false},
      {attr::kHidden | attr::kSystem, attr::kAnyFileLookup, true},
      {attr::kDirectory, attr::kAnyFileLookup, false},
      {attr::kDirectory, attr::kDirectory, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LookupAdmits(c.attributes, c.mask), c.admitted) << c.attributes << " / " << c.mask;
  }
}

TEST(TemporaryWriterOf, ReadsTheNamesTemporaryPathForMakes) {
  const struct {
    const char* entry;
    std::optional<Writer> writer;
  } cases[] = {
      {"a.exe.manifest.u4711-0.kovrena-tmp", Writer{'u', 4711}},
      {"A.EXE.MANIFEST.w12-3.kovrena-tmp", Writer{'w', 12}},
      {"a.exe.manifest", std::nullopt},
      {"a.exe.manifest.u4711-0.kovrena-tmp.manifest", std::nullopt},
      {"b.exe.manifest.u4711-0.kovrena-tmp", std::nullopt},
      {"a.exe.manifest.x4711-0.kovrena-tmp", std::nullopt},
      {"a.exe.manifest.u-0.kovrena-tmp", std::nullopt},
      {"a.exe.manifest.u4711.kovrena-tmp", std::nullopt},
      {"a.exe.manifest.u99999999999-0.kovrena-tmp", std::nullopt},
      {"a.exe.manifest.u47a1-0.kovrena-tmp", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TemporaryWriterOf("a.exe.manifest", c.entry), c.writer) << c.entry;
  EXPECT_EQ(TemporaryWriterOf("a.exe.manifest", TemporaryPathFor("a.exe.manifest", Writer{'u', 7}, 2)),
            (Writer{'u', 7}));
}

// What a killed writer left goes; what a running one writes, another
// platform's writer's file and every other name stay.
TEST_F(PosixFiles, LeftoversOfEndedWritersAreRemoved) {
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_GT(ended, 0);
  ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
  const std::string path = folder / "a.exe.manifest";
  const auto writer = [](pid_t process, char platform = 'u') {
    return Writer{platform, static_cast<std::uint32_t>(process)};
  };
  const std::string gone = TemporaryPathFor(path, writer(ended), 0);
  const std::string running = TemporaryPathFor(path, writer(::getppid()), 0);
  const std::string windows = TemporaryPathFor(path, writer(ended, 'w'), 0);
  const std::string other = TemporaryPathFor(folder / "b.exe.manifest", writer(ended), 0);
  for (const std::string& file : {gone, running, windows, other, path}) writeFile(file, "x");
  files.removeLeftovers(path);
  EXPECT_FALSE(readFile(gone).has_value());
  for (const std::string& file : {running, windows, other, path}) EXPECT_TRUE(readFile(file).has_value()) << file;
}

TEST_F(PosixFiles, DeleteRemovesReadOnlyHiddenFiles) {
  const std::string path = folder / "gone.manifest";
  writeFile(path, "x");
  ASSERT_EQ(files.setAttributes(path, attr::kReadOnly | attr::kHidden | attr::kSystem), std::nullopt);
  ASSERT_EQ(files.setAttributes(path, attr::kNormal), std::nullopt);
  EXPECT_EQ(files.deleteFile(path), std::nullopt);
  EXPECT_FALSE(readFile(path).has_value());
}

}  // namespace
}  // namespace kovrena::posix
