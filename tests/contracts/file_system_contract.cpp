#include "tests/contracts/file_system_contract.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace kovrena::contract {
namespace {

// The manifest-sized file the cases write through a temporary file.
const std::string kNewBytes = "new\r\nbytes";

std::string nameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

// The number of the failure, 0 for success: a case that expects a failure
// and meets success fails there rather than reading an error that is not.
std::int32_t failure(const Status& status) { return status ? status->number : 0; }
template <typename T>
std::int32_t failure(const Result<T>& result) {
  return result ? 0 : result.error().number;
}

// Writes kNewBytes to a temporary file beside path and closes it.
std::optional<NewFile> writtenTemporary(FileSystem& files, const std::string& path) {
  Result<NewFile> created = files.createTemporaryFile(path);
  if (!created) return std::nullopt;
  NewFile temporary = std::move(created).value();
  if (temporary.file->write(kNewBytes) || temporary.file->flush() || temporary.file->close()) return std::nullopt;
  return temporary;
}

TEST_P(FileSystemContract, MissingThingsAreEmptyForLookupAnd53Elsewhere) {
  for (const std::string& path : {at().path("none.manifest"), at().path("no-folder") + "/x.manifest"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(files().findFile(path, attr::kAnyFileLookup).value(), "");
    EXPECT_EQ(failure(files().setAttributes(path, attr::kHidden | attr::kSystem)), 53);
    EXPECT_EQ(failure(files().getAttributes(path)), 53);
    EXPECT_EQ(failure(files().deleteFile(path)), 53);
    EXPECT_EQ(failure(files().linkCount(path)), 53);
    EXPECT_EQ(failure(files().replaceFile(path, at().path("to.manifest"))), 53);
  }
  EXPECT_EQ(failure(files().createTemporaryFile(at().path("no-folder") + "/x.manifest")), 53);
  EXPECT_FALSE(at().read(at().path("to.manifest")).has_value()) << "a failed replace makes nothing";
}

TEST_P(FileSystemContract, AttributesAreSetExactly) {
  const std::string path = at().path("a.manifest");
  ASSERT_TRUE(at().makeFile(path));
  for (const std::uint32_t value : {attr::kHidden | attr::kSystem, attr::kReadOnly, attr::kNormal,
                                    attr::kArchive | attr::kHidden, attr::kHidden | attr::kSystem | attr::kReadOnly}) {
    ASSERT_EQ(files().setAttributes(path, value), std::nullopt) << value;
    // Wine reports Archive besides what was set: the bits the tools set must match.
    const std::uint32_t mask = attr::kReadOnly | attr::kHidden | attr::kSystem;
    EXPECT_EQ(files().getAttributes(path).value() & mask, value & mask) << value;
  }
  ASSERT_EQ(files().setAttributes(path, attr::kNormal), std::nullopt);
}

// The lookup admits hidden and system files only with their bit in the mask
// (the plain lookup none, mask 39 every file).
TEST_P(FileSystemContract, LookupAdmitsByTheMask) {
  const std::string path = at().path("p.exe.manifest");
  ASSERT_TRUE(at().makeFile(path));
  const struct {
    std::uint32_t attributes;
    std::uint32_t mask;
    bool found;
  } cases[] = {
      {attr::kNormal, attr::kPlainLookup, true},
      {attr::kReadOnly, attr::kPlainLookup, true},
      {attr::kArchive, attr::kPlainLookup, true},
      {attr::kHidden, attr::kPlainLookup, false},
      {attr::kSystem, attr::kPlainLookup, false},
      {attr::kHidden | attr::kSystem, attr::kPlainLookup, false},
      {attr::kHidden | attr::kSystem, attr::kHidden, false},
      {attr::kNormal, attr::kAnyFileLookup, true},
      {attr::kHidden, attr::kAnyFileLookup, true},
      {attr::kSystem, attr::kAnyFileLookup, true},
      {attr::kHidden | attr::kSystem, attr::kAnyFileLookup, true},
      {attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive, attr::kPlainLookup, false},
      {attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive, attr::kAnyFileLookup, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "attributes " << c.attributes << " mask " << c.mask);
    ASSERT_EQ(files().setAttributes(path, c.attributes), std::nullopt);
    EXPECT_EQ(files().findFile(path, c.mask).value(), c.found ? "p.exe.manifest" : "");
  }
  ASSERT_EQ(files().setAttributes(path, attr::kNormal), std::nullopt);
}

// A manifest written by another tool may differ from the program's name in
// letter case; the loader takes it all the same, and so does the lookup,
// which answers with the name the folder holds.
TEST_P(FileSystemContract, LookupFindsTheNameInAnyLetterCase) {
  const struct {
    const char* onDisk;
    const char* asked;
    const char* found;
  } cases[] = {
      {"PROBE.EXE.MANIFEST", "probe.exe.manifest", "PROBE.EXE.MANIFEST"},
      {"Şema.exe.manifest", "şema.EXE.manifest", "Şema.exe.manifest"},
      {"çizim.exe.manifest", "ÇİZİM.exe.manifest", ""},  // "İ" is no capital "i" to the system
      {"probe.exe.manifest", "probe.exe.manifestx", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    ASSERT_TRUE(at().makeFile(at().path(c.onDisk)));
    EXPECT_EQ(files().findFile(at().path(c.asked), attr::kAnyFileLookup).value(), c.found);
    ASSERT_EQ(files().setAttributes(at().path(c.onDisk), attr::kHidden), std::nullopt);
    EXPECT_EQ(files().findFile(at().path(c.asked), attr::kPlainLookup).value(), "") << "the mask applies to it too";
    ASSERT_EQ(files().deleteFile(at().path(c.onDisk)), std::nullopt);
  }
}

// A folder where the manifest would be is never taken for it: not found,
// neither replaced nor deleted, and still a folder afterwards.
TEST_P(FileSystemContract, AFolderIsNeverAFile) {
  const std::string path = at().path("prog.exe.manifest");
  ASSERT_TRUE(at().makeFolder(path));
  EXPECT_EQ(files().findFile(path, attr::kAnyFileLookup).value(), "");
  EXPECT_EQ(files().getAttributes(path).value() & attr::kDirectory, attr::kDirectory);
  const std::optional<NewFile> temporary = writtenTemporary(files(), path);
  ASSERT_TRUE(temporary.has_value());
  EXPECT_NE(failure(files().replaceFile(temporary->path, path)), 0);
  EXPECT_NE(failure(files().deleteFile(path)), 0);
  EXPECT_EQ(files().getAttributes(path).value() & attr::kDirectory, attr::kDirectory);
  EXPECT_EQ(at().read(temporary->path), kNewBytes) << "the refused replace keeps what was written";
}

// The temporary file is Hidden from its first instant, named for the file
// it replaces, and never shares a name with another made for that file.
TEST_P(FileSystemContract, TemporaryFilesAreHiddenAndOfTheirOwnName) {
  const std::string path = at().path("p.exe.manifest");
  Result<NewFile> first = files().createTemporaryFile(path);
  Result<NewFile> second = files().createTemporaryFile(path);
  ASSERT_TRUE(first.ok() && second.ok());
  EXPECT_NE(first.value().path, second.value().path);
  for (const NewFile* made : {&first.value(), &second.value()}) {
    SCOPED_TRACE(made->path);
    const std::string entry = nameOf(made->path);
    const std::optional<TemporaryName> name = TemporaryNameOf(entry);
    ASSERT_TRUE(name.has_value()) << "not named as a temporary file";
    EXPECT_EQ(name->name, "p.exe.manifest");
    EXPECT_EQ(files().getAttributes(made->path).value() & attr::kHidden, attr::kHidden);
    EXPECT_EQ(files().findFile(made->path, attr::kPlainLookup).value(), "");
    EXPECT_EQ(files().findFile(made->path, attr::kAnyFileLookup).value(), entry);
  }
  ASSERT_EQ(first.value().file->write("first"), std::nullopt);
  ASSERT_EQ(second.value().file->write("second"), std::nullopt);
  ASSERT_EQ(first.value().file->close(), std::nullopt);
  ASSERT_EQ(second.value().file->close(), std::nullopt);
  EXPECT_EQ(at().read(first.value().path), "first");
  EXPECT_EQ(at().read(second.value().path), "second");
  EXPECT_EQ(files().findFile(path, attr::kAnyFileLookup).value(), "") << "nothing at the path itself yet";
}

// A closed file takes no more writes and refuses a second close rather
// than closing whatever now holds its number.
TEST_P(FileSystemContract, AClosedFileRefusesMore) {
  Result<NewFile> created = files().createTemporaryFile(at().path("p.exe.manifest"));
  ASSERT_TRUE(created.ok());
  OutputFile& file = *created.value().file;
  ASSERT_EQ(file.write("once"), std::nullopt);
  ASSERT_EQ(file.close(), std::nullopt);
  EXPECT_TRUE(file.write("twice").has_value());
  EXPECT_TRUE(file.flush().has_value());
  EXPECT_TRUE(file.close().has_value());
  EXPECT_EQ(at().read(created.value().path), "once");
}

// Written and renamed over the manifest: the manifest then holds exactly
// the new bytes with the temporary file's attributes, and no temporary
// file is left.
TEST_P(FileSystemContract, ReplaceLeavesTheNewBytesOnly) {
  const std::string path = at().path("p.exe.manifest");
  ASSERT_TRUE(at().makeFile(path));
  const std::optional<NewFile> temporary = writtenTemporary(files(), path);
  ASSERT_TRUE(temporary.has_value());
  ASSERT_EQ(files().replaceFile(temporary->path, path), std::nullopt);
  EXPECT_EQ(at().read(path), kNewBytes);
  EXPECT_EQ(files().getAttributes(path).value() & attr::kHidden, attr::kHidden);
  EXPECT_EQ(files().linkCount(path).value(), 1u);
  EXPECT_EQ(files().findFile(temporary->path, attr::kAnyFileLookup).value(), "");
  EXPECT_FALSE(at().read(temporary->path).has_value());
}

// A hidden, system manifest is deleted outright; a second delete finds
// nothing.
TEST_P(FileSystemContract, DeleteLeavesNothing) {
  const std::string path = at().path("p.exe.manifest");
  ASSERT_TRUE(at().makeFile(path));
  ASSERT_EQ(files().setAttributes(path, attr::kHidden | attr::kSystem), std::nullopt);
  EXPECT_EQ(files().linkCount(path).value(), 1u);
  ASSERT_EQ(files().deleteFile(path), std::nullopt);
  EXPECT_FALSE(at().read(path).has_value());
  EXPECT_EQ(files().findFile(path, attr::kAnyFileLookup).value(), "");
  EXPECT_EQ(failure(files().getAttributes(path)), 53);
  EXPECT_EQ(failure(files().deleteFile(path)), 53);
}

}  // namespace
}  // namespace kovrena::contract
