#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/file_system.h"
#include "platform/win32/text.h"
#include "tests/wine/platform/win_files.h"

namespace kovrena {
namespace {

using kovrena::testing::TempDir;
using kovrena::testing::writeBytes;
using kovrena::win32::ToUtf8;
using kovrena::win32::ToWide;

class Win32FileReading : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.ok());
    ASSERT_TRUE(writeBytes(d / "düz.exe", "0123456789"));
    ASSERT_TRUE(writeBytes(d / "gizli.exe.manifest", "<assembly/>"));
    SetFileAttributesW(ToWide(d / "gizli.exe.manifest").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(CreateDirectoryW(ToWide(d / "Alt Klasör").c_str(), nullptr));
  }
  TempDir d{L"kovrena-disk"};
  win32::Win32FileSystem files;
};

struct KindCase {
  std::string path;
  EntryKind followed;
  EntryKind itself;
};

TEST_F(Win32FileReading, KindOfWhatSitsAtAPath) {
  const KindCase cases[] = {
      {d / "düz.exe", EntryKind::File, EntryKind::File},
      {d / "gizli.exe.manifest", EntryKind::File, EntryKind::File},
      {d / "Alt Klasör", EntryKind::Folder, EntryKind::Folder},
      {d / "DÜZ.EXE", EntryKind::File, EntryKind::File},
      {d / "yok.exe", EntryKind::Missing, EntryKind::Missing},
      {d / "yok\\yok.exe", EntryKind::Missing, EntryKind::Missing},
      {d / "düz.exe\\alt.exe", EntryKind::Missing, EntryKind::Missing},
      {d / "*.exe", EntryKind::Missing, EntryKind::Missing},
      {"NUL", EntryKind::Other, EntryKind::Other},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.path);
    const Result<EntryKind> followed = files.kindOf(c.path, true);
    ASSERT_TRUE(followed.ok()) << followed.error().description;
    EXPECT_EQ(followed.value(), c.followed);
    const Result<EntryKind> itself = files.kindOf(c.path, false);
    ASSERT_TRUE(itself.ok()) << itself.error().description;
    if (c.path != "NUL") {
      EXPECT_EQ(itself.value(), c.itself);
    }
  }
}

TEST_F(Win32FileReading, ListingShowsHiddenFilesAndFoldersWithoutDots) {
  for (const std::string& folder : {d / "", ToUtf8(d.wide())}) {
    SCOPED_TRACE(folder);
    Result<std::vector<FolderEntry>> listed = files.list(folder);
    ASSERT_TRUE(listed.ok()) << listed.error().description;
    std::vector<FolderEntry> entries = listed.value();
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    EXPECT_EQ(entries, (std::vector<FolderEntry>{{"Alt Klasör", EntryKind::Folder},
                                                  {"düz.exe", EntryKind::File},
                                                  {"gizli.exe.manifest", EntryKind::File}}));
  }
  const Result<std::vector<FolderEntry>> missing = files.list(d / "yok");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().number, kErrFileNotFound);
}

TEST_F(Win32FileReading, ReadingIsExactAndShared) {
  // Another program holding the file open for writing does not stop a reader.
  win32::UniqueHandle writer(CreateFileW(ToWide(d / "düz.exe").c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  Result<std::unique_ptr<ByteSource>> opened = files.openForReading(d / "düz.exe");
  writer.reset();
  ASSERT_TRUE(opened.ok()) << opened.error().description;
  ByteSource& file = *opened.value();
  EXPECT_EQ(file.size(), 10u);
  struct Range {
    std::uint64_t offset;
    std::size_t size;
    const char* bytes;
  };
  for (const Range& r : {Range{0, 10, "0123456789"}, Range{7, 3, "789"}, Range{4, 0, ""}}) {
    std::string got(r.size, '\0');
    EXPECT_EQ(file.read(r.offset, std::span(reinterpret_cast<std::uint8_t*>(got.data()), got.size())), std::nullopt);
    EXPECT_EQ(got, r.bytes);
  }
  std::uint8_t past[4];
  const Status failed = file.read(8, past);
  ASSERT_TRUE(failed.has_value());
  EXPECT_EQ(failed->number, 38);

  for (const std::string& unreadable : {d / "Alt Klasör", d / "yok.exe", std::string("NUL")}) {
    SCOPED_TRACE(unreadable);
    EXPECT_FALSE(files.openForReading(unreadable).ok());
  }
}

}  // namespace
}  // namespace kovrena
