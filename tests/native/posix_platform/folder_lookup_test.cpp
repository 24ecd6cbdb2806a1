#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/file_system.h"
#include "tests/native/posix_platform/temp_folder.h"
#include "text/utf.h"

namespace kovrena::posix {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

class FolderLookup : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.ok()); }
  TempFolder folder;
  PosixFileSystem files;
};

struct VariantCase {
  const char* onDisk;
  const char* asked;
  const char* found;  // "" when the lookup finds nothing
};

// Wine loads a manifest whose name differs from the program's in letter
// case, Turkish letters included; the lookup finds the same file.
TEST_F(FolderLookup, FindsTheManifestInAnyLetterCaseTheSystemMatches) {
  const std::vector<VariantCase> cases = {
      {"Çizim.exe.manifest", "çizim.exe.manifest", "Çizim.exe.manifest"},
      {"şema.exe.MANIFEST", "Şema.exe.manifest", "şema.exe.MANIFEST"},
      {"DAĞ.EXE.MANIFEST", "dağ.exe.manifest", "DAĞ.EXE.MANIFEST"},
      {"ÖYKÜ.exe.manifest", "öykü.exe.manifest", "ÖYKÜ.exe.manifest"},
      {"IŞIK.exe.manifest", "ışık.exe.manifest", ""},
      {"İzmir.exe.manifest", "izmir.exe.manifest", ""},
      {"Ç\u0327izim.exe.manifest", "Çizim.exe.manifest", ""},
  };
  for (const VariantCase& c : cases) {
    SCOPED_TRACE(c.onDisk);
    TempFolder own;
    PosixFileSystem fresh;
    writeFile(own / c.onDisk, "x");
    const Result<std::string> found = fresh.findFile(own / c.asked, attr::kAnyFileLookup);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found.value(), c.found);
  }
}

// The run's own changes are seen at once, and so is another program's.
TEST_F(FolderLookup, TheListingFollowsEveryChange) {
  const std::string asked = folder / "çizim.exe.manifest";
  const auto find = [&] { return files.findFile(asked, attr::kAnyFileLookup).value(); };
  EXPECT_EQ(find(), "");
  Result<NewFile> created = files.createTemporaryFile(folder / "ÇİZİM.exe.manifest");
  ASSERT_TRUE(created.ok());
  ASSERT_EQ(created.value().file->close(), std::nullopt);
  ASSERT_EQ(files.replaceFile(created.value().path, folder / "Çizim.exe.manifest"), std::nullopt);
  EXPECT_EQ(find(), "Çizim.exe.manifest");
  ASSERT_EQ(files.deleteFile(folder / "Çizim.exe.manifest"), std::nullopt);
  EXPECT_EQ(find(), "");
  // Past the file system's clock step, so that the folder's time moves.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  writeFile(folder / "ÇIZIM.EXE.MANIFEST", "x");
  EXPECT_EQ(find(), "ÇIZIM.EXE.MANIFEST");
}

struct ListingCase {
  const char* label;
  mode_t folderMode;
  bool folderIsAFile;
  int expected;  // 0: nothing found; otherwise the errno reported
};

// What the lookup answers when the folder cannot be read, as a user
// without rights (the test runs as root, whom nothing stops).
TEST_F(FolderLookup, AFolderThatCannotBeListedIsAnErrorNotAnEmptyFolder) {
  const std::vector<ListingCase> cases = {
      {"entered but not listed", 0311, false, EACCES},
      {"neither entered nor listed", 0300, false, EACCES},
      {"listed and entered", 0755, false, 0},
      {"the folder is a file", 0644, true, 0},
  };
  ASSERT_EQ(::chmod(folder.path().c_str(), 0711), 0);
  for (const ListingCase& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string inner = folder / "klasör";
    if (c.folderIsAFile) {
      writeFile(inner, "x");
    } else {
      ASSERT_EQ(::mkdir(inner.c_str(), 0755), 0);
      writeFile(inner + "/Çizim.exe.manifest.txt", "x");
      ASSERT_EQ(::chmod(inner.c_str(), c.folderMode), 0);
    }
    const pid_t child = ::fork();
    if (child == 0) {
      if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
      PosixFileSystem user;
      const Result<std::string> found = user.findFile(inner + "/çizim.exe.manifest", attr::kAnyFileLookup);
      if (found.ok()) ::_exit(found.value().empty() ? 0 : 98);
      ::_exit(found.error().number == kErrFileNotFound ? 97 : found.error().number);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.expected);
    ::chmod(inner.c_str(), 0755);
    std::filesystem::remove_all(inner);
  }
}

struct LongNameCase {
  const char* label;
  std::string name;
  NameUnits units;
  std::size_t longest;
};

// The temporary file of any name that can exist can exist too: the name is
// cut short, by whole characters, and still read as that file's.
TEST(TemporaryPathFor, FitsWhereverTheNameFits) {
  const std::string s = "ş";  // two bytes, one UTF-16 unit
  const std::vector<LongNameCase> cases = {
      {"short", "a.exe.manifest", NameUnits::Bytes, 255},
      {"226 bytes", std::string(217, 'a') + ".manifest", NameUnits::Bytes, 255},
      {"246 bytes", std::string(237, 'a') + ".manifest", NameUnits::Bytes, 255},
      {"255 bytes", std::string(246, 'a') + ".manifest", NameUnits::Bytes, 255},
      {"two-byte letters", [&] {
         std::string name;
         for (int i = 0; i < 123; ++i) name += s;
         return name + ".manifest";
       }(), NameUnits::Bytes, 255},
      {"UTF-16 units, a short path's room", std::string(120, 'a') + s + ".exe.manifest", NameUnits::Utf16, 130},
  };
  for (const LongNameCase& c : cases) {
    SCOPED_TRACE(c.label);
    const Writer writer{c.units == NameUnits::Utf16 ? 'w' : 'u', 4294967295u};
    const std::string temporary = TemporaryPathFor("klasör/" + c.name, writer, 99, c.units, c.longest);
    ASSERT_TRUE(temporary.starts_with("klasör/"));
    const std::string name = temporary.substr(std::string("klasör/").size());
    EXPECT_LE(NameLength(name, c.units), c.longest);
    EXPECT_TRUE(text::IsValidUtf8(name)) << "cut between whole characters";
    EXPECT_EQ(TemporaryWriterOf(c.name, name), writer);
    EXPECT_FALSE(TemporaryWriterOf("b" + c.name, name).has_value());
  }
}

// On the disk: every manifest name up to the longest gets its temporary
// file; a longer one is said to be too long, and names nothing.
TEST_F(FolderLookup, NamesUpToTheLongestCanBeWrittenLongerOnesAreRefusedPlainly) {
  for (const std::size_t length : {226u, 246u, 247u, 255u, 256u, 300u}) {
    SCOPED_TRACE(length);
    const std::string path = folder / (std::string(length - 9, 'p') + ".manifest");
    Result<NewFile> created = files.createTemporaryFile(path);
    EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "");
    if (length <= kLongestName) {
      ASSERT_TRUE(created.ok()) << created.error().description;
      ASSERT_EQ(created.value().file->close(), std::nullopt);
      EXPECT_EQ(files.replaceFile(created.value().path, path), std::nullopt);
      EXPECT_TRUE(readFile(path).has_value());
      continue;
    }
    ASSERT_FALSE(created.ok());
    EXPECT_EQ(created.error().number, ENAMETOOLONG);
    EXPECT_NE(created.error().description.find("en çok 255 bayt"), std::string::npos) << created.error().description;
  }
}

}  // namespace
}  // namespace kovrena::posix
