#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/win32/file_system.h"
#include "platform/win32/last_error.h"
#include "platform/win32/scoped.h"
#include "tests/wine/platform/win32_subject.h"
#include "tests/wine/platform/win_files.h"
#include "tests/wine/support/child_process.h"

namespace kovrena::win32 {
namespace {

using testing::attributesOf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

class Win32Files : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.ok()); }
  TempDir folder;
  Win32FileSystem files;
};

// The access and last-write times of a file, in 100 ns steps.
std::optional<std::pair<std::uint64_t, std::uint64_t>> timesOf(const std::string& path) {
  const UniqueHandle file(CreateFileW(ToWide(path).c_str(), FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ULARGE_INTEGER accessed{}, written{};
  if (!file || !GetFileTime(file.get(), nullptr, reinterpret_cast<FILETIME*>(&accessed), reinterpret_cast<FILETIME*>(&written))) {
    return std::nullopt;
  }
  return std::pair{accessed.QuadPart, written.QuadPart};
}

// What makes a change beside a program count on Vista and later: its last-
// write time set to the present and nothing else changed, a read-only
// program's included (the engine leaves Wine's programs alone, as Wine
// keeps no cache: the layer is called directly). Wine keeps no creation
// time of its own (it reports the file's change time): that is left to
// Windows.
TEST_F(Win32Files, SettingTheLastWriteTimeChangesThatTimeAlone) {
  const std::string path = folder / "Çizim.exe";
  for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_ARCHIVE}, DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN}}) {
    SCOPED_TRACE(attributes);
    ASSERT_TRUE(writeBytes(path, "MZ program"));
    {
      const UniqueHandle file(CreateFileW(ToWide(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
      const FILETIME old{0xD53E8000, 0x01C0A0A0};  // 2001, told apart from the present
      ASSERT_TRUE(file && SetFileTime(file.get(), nullptr, &old, &old));
    }
    ASSERT_TRUE(SetFileAttributesW(ToWide(path).c_str(), attributes));
    const DWORD attributesBefore = attributesOf(path);
    const auto before = timesOf(path);
    ASSERT_EQ(files.setLastWriteTimeToNow(path), std::nullopt);
    const auto after = timesOf(path);
    ASSERT_TRUE(before && after);
    EXPECT_GT(after->second, before->second + 20ull * 365 * 24 * 3600 * 10000000);
    EXPECT_EQ(files.lastWriteTime(path).value(), after->second);
    EXPECT_EQ(after->first, before->first);
    EXPECT_EQ(attributesOf(path), attributesBefore);
    EXPECT_EQ(readBytes(path), "MZ program");
    ASSERT_TRUE(SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL));
  }
}

// The Win32 file system keeps the contract the POSIX one and the fake keep.
using contract::FileSystemContract;
const contract::Maker kWin32{"Win32", [] { return std::make_unique<testing::Win32Subject>(); }};
INSTANTIATE_TEST_SUITE_P(Wine, FileSystemContract, ::testing::Values(kWin32), contract::MakerName);

TEST_F(Win32Files, WildcardsNeverMatchOtherFiles) {
  ASSERT_TRUE(writeBytes(folder / "prog.exe.manifest", "x"));
  for (const std::string& pattern : {folder / "*.manifest", folder / "prog.exe.manifes?", folder / "*"}) {
    EXPECT_EQ(files.findFile(pattern, attr::kAnyFileLookup).value(), "") << pattern;
  }
}

TEST_F(Win32Files, TemporaryFileIsNewHiddenAndRenamedOverThePath) {
  const std::string path = folder / "out.manifest";
  ASSERT_TRUE(writeBytes(path, std::string(5000, 'o')));
  const std::string taken = TemporaryPathFor(path, Writer{'w', GetCurrentProcessId()}, 0);
  ASSERT_TRUE(writeBytes(taken, "öldürülen bir yazımdan"));
  auto created = files.createTemporaryFile(path);
  ASSERT_TRUE(created.ok());
  NewFile temporary = std::move(created).value();
  EXPECT_EQ(temporary.path, TemporaryPathFor(path, Writer{'w', GetCurrentProcessId()}, 1)) << "a name taken is passed over";
  EXPECT_EQ(readBytes(taken), "öldürülen bir yazımdan");
  EXPECT_NE(attributesOf(temporary.path) & FILE_ATTRIBUTE_HIDDEN, 0u);
  const std::string bytes = std::string("a\r\nb\0c", 6) + std::string(70000, 'z');
  EXPECT_EQ(temporary.file->write(bytes), std::nullopt);
  EXPECT_EQ(temporary.file->flush(), std::nullopt);
  EXPECT_EQ(temporary.file->close(), std::nullopt);
  EXPECT_TRUE(temporary.file->close().has_value());
  EXPECT_EQ(files.replaceFile(temporary.path, path), std::nullopt);
  EXPECT_EQ(readBytes(path), bytes);
  EXPECT_EQ(attributesOf(temporary.path), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(files.deleteFile(path), std::nullopt);
}

// The id of a process that has ended: this test program, run to list nothing.
DWORD endedProcess() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const testing::ChildProcess run(self, L"--gtest_filter=-*", {}, DETACHED_PROCESS);
  if (!run.started() || !run.waitForExit(30000)) return 0;
  return run.id();
}

// What a killed writer left goes, hidden and system as it may be; another
// platform's writer's file and every other name stay.
TEST_F(Win32Files, LeftoversOfEndedWritersAreRemoved) {
  const DWORD ended = endedProcess();
  ASSERT_NE(ended, 0u);
  const std::string path = folder / "a.exe.manifest";
  const std::string gone = TemporaryPathFor(path, Writer{'w', ended}, 0);
  const std::string posix = TemporaryPathFor(path, Writer{'u', ended}, 0);
  const std::string other = TemporaryPathFor(folder / "b.exe.manifest", Writer{'w', ended}, 0);
  for (const std::string& file : {gone, posix, other, path}) ASSERT_TRUE(writeBytes(file, "x"));
  ASSERT_TRUE(SetFileAttributesW(ToWide(gone).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  files.removeLeftovers(path);
  EXPECT_EQ(attributesOf(gone), INVALID_FILE_ATTRIBUTES);
  for (const std::string& file : {posix, other, path}) EXPECT_NE(attributesOf(file), INVALID_FILE_ATTRIBUTES) << file;
}

TEST_F(Win32Files, OpenFileRefusesDeletionUntilReleased) {
  auto created = files.createTemporaryFile(folder / "busy.bin");
  ASSERT_TRUE(created.ok());
  const std::string path = created.value().path;
  const Status whileOpen = files.deleteFile(path);
  ASSERT_TRUE(whileOpen.has_value());
  EXPECT_EQ(whileOpen->number, static_cast<std::int32_t>(ERROR_SHARING_VIOLATION));
  created.value().file.reset();
  EXPECT_EQ(files.deleteFile(path), std::nullopt);
}

TEST_F(Win32Files, TurkishNamesRoundTrip) {
  TempDir turkish(L"Çalışma Ğİöü");
  ASSERT_TRUE(turkish.ok());
  const std::string path = turkish / "Şekil İşleyici.exe.manifest";
  auto created = files.createTemporaryFile(path);
  ASSERT_TRUE(created.ok());
  ASSERT_EQ(created.value().file->close(), std::nullopt);
  ASSERT_EQ(files.replaceFile(created.value().path, path), std::nullopt);
  ASSERT_EQ(files.setAttributes(path, attr::kHidden | attr::kSystem), std::nullopt);
  EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "Şekil İşleyici.exe.manifest");
  EXPECT_EQ(files.findFile(path, attr::kPlainLookup).value(), "");
  EXPECT_NE(attributesOf(path), INVALID_FILE_ATTRIBUTES);
}

// Wine shows a link to a file as that file, and sets attributes on, and
// deletes, the file it leads to: every operation refuses the link, and
// neither it nor that file changes.
TEST_F(Win32Files, LinksAreRefusedAndWhatTheyLeadToStays) {
  const std::string victim = folder / "başkasının.txt";
  const std::string path = folder / "prog.exe.manifest";
  ASSERT_TRUE(writeBytes(victim, "dokunma"));
  if (!testing::makeHostLink(victim, path)) GTEST_SKIP() << "no host link can be made here (not under Wine)";
  const std::string sameFolder = folder / "diğer.exe.manifest";
  ASSERT_TRUE(testing::makeHostLink(path, sameFolder));
  const std::string regular = folder / "düz.manifest";
  ASSERT_TRUE(writeBytes(regular, "x"));
  EXPECT_TRUE(IsLink(ToWide(path)));
  EXPECT_TRUE(IsLink(ToWide(sameFolder))) << "a link to a file of the same folder";
  EXPECT_FALSE(IsLink(ToWide(regular)));
  EXPECT_FALSE(IsLink(ToWide(victim)));
  EXPECT_FALSE(IsLink(ToWide(folder / "yok.manifest")));

  const std::int32_t refused = ERROR_CANT_RESOLVE_FILENAME;
  EXPECT_EQ(files.setAttributes(path, attr::kNormal)->number, refused);
  EXPECT_EQ(files.setAttributes(path, attr::kHidden | attr::kSystem)->number, refused);
  EXPECT_EQ(files.deleteFile(path)->number, refused);
  NewFile temporary = std::move(files.createTemporaryFile(path)).value();
  ASSERT_EQ(temporary.file->close(), std::nullopt);
  EXPECT_EQ(files.replaceFile(temporary.path, path)->number, refused);
  EXPECT_EQ(readBytes(victim), "dokunma");
  EXPECT_EQ(attributesOf(victim) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY), 0u);
  EXPECT_TRUE(IsLink(ToWide(path)));
  testing::removeHostLinks({path, sameFolder});
}

TEST(IsLink, AFileInALinkedFolderIsNoLink) {
  TempDir real;
  TempDir outer;
  ASSERT_TRUE(real.ok() && outer.ok());
  ASSERT_TRUE(writeBytes(real / "f.manifest", "x"));
  if (!testing::makeHostLink(win32::ToUtf8(real.wide()), outer / "içeri")) GTEST_SKIP() << "not under Wine";
  EXPECT_FALSE(IsLink(ToWide(outer / "içeri\\f.manifest")));
  EXPECT_TRUE(IsLink(ToWide(outer / "içeri"))) << "the folder link itself";
  testing::removeHostLinks({outer / "içeri"});
}

}  // namespace
}  // namespace kovrena::win32
