#pragma once
// What every FileSystem answers alike, whatever lies beneath it: run by the
// POSIX tests natively and by the Win32 tests under Wine, each on a folder
// of its own. What differs by platform stays in those tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "platform/file_system.h"

namespace kovrena::contract {

// Where the cases run: a path inside an empty folder, and how to put a plain
// file or a folder there and read a file back without the FileSystem under
// test.
struct Place {
  std::function<std::string(const std::string& name)> path;
  std::function<bool(const std::string& path)> makeFile;
  std::function<bool(const std::string& path)> makeFolder;
  std::function<std::string(const std::string& path)> read;  // the whole file
};

inline void MissingThingsAreEmptyForLookupAnd53Elsewhere(FileSystem& files, const Place& at) {
  for (const std::string& path : {at.path("none.manifest"), at.path("no-folder") + "/x.manifest"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "");
    EXPECT_EQ(files.setAttributes(path, attr::kHidden | attr::kSystem)->number, 53);
    EXPECT_EQ(files.getAttributes(path).error().number, 53);
    EXPECT_EQ(files.deleteFile(path)->number, 53);
  }
  EXPECT_EQ(files.createTemporaryFile(at.path("no-folder") + "/x.manifest").error().number, 53);
}

inline void AttributesAreSetExactly(FileSystem& files, const Place& at) {
  const std::string path = at.path("a.manifest");
  ASSERT_TRUE(at.makeFile(path));
  for (const std::uint32_t value : {attr::kHidden | attr::kSystem, attr::kReadOnly, attr::kNormal,
                                    attr::kArchive | attr::kHidden, attr::kHidden | attr::kSystem | attr::kReadOnly}) {
    ASSERT_EQ(files.setAttributes(path, value), std::nullopt) << value;
    // Wine reports Archive besides what was set: the bits the tools set must match.
    const std::uint32_t mask = attr::kReadOnly | attr::kHidden | attr::kSystem;
    EXPECT_EQ(files.getAttributes(path).value() & mask, value & mask) << value;
  }
}

// The lookup admits hidden and system files only with their bit in the mask.
inline void LookupAdmitsByTheMask(FileSystem& files, const Place& at) {
  const std::string path = at.path("p.exe.manifest");
  ASSERT_TRUE(at.makeFile(path));
  struct Case {
    std::uint32_t attributes;
    std::uint32_t mask;
    bool found;
  };
  const Case cases[] = {
      {attr::kNormal, attr::kPlainLookup, true},          {attr::kReadOnly, attr::kPlainLookup, true},
      {attr::kHidden, attr::kPlainLookup, false},         {attr::kSystem, attr::kPlainLookup, false},
      {attr::kHidden | attr::kSystem, attr::kHidden, false}, {attr::kHidden | attr::kSystem, attr::kAnyFileLookup, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "attributes " << c.attributes << " mask " << c.mask);
    ASSERT_EQ(files.setAttributes(path, c.attributes), std::nullopt);
    EXPECT_EQ(files.findFile(path, c.mask).value(), c.found ? "p.exe.manifest" : "");
  }
  ASSERT_EQ(files.setAttributes(path, attr::kNormal), std::nullopt);
}

inline void AFolderIsNeverFoundAsAFile(FileSystem& files, const Place& at) {
  const std::string path = at.path("prog.exe.manifest");
  ASSERT_TRUE(at.makeFolder(path));
  EXPECT_EQ(files.findFile(path, attr::kAnyFileLookup).value(), "");
  EXPECT_EQ(files.getAttributes(path).value() & attr::kDirectory, attr::kDirectory);
}

// A temporary file beside a manifest, written and renamed over it: the
// manifest then holds exactly the new bytes, and no temporary file is left.
inline void ReplaceLeavesTheNewBytesOnly(FileSystem& files, const Place& at) {
  const std::string path = at.path("p.exe.manifest");
  ASSERT_TRUE(at.makeFile(path));
  Result<NewFile> created = files.createTemporaryFile(path);
  ASSERT_TRUE(created.ok());
  NewFile temporary = std::move(created).value();
  ASSERT_EQ(temporary.file->write("new\r\nbytes"), std::nullopt);
  ASSERT_EQ(temporary.file->flush(), std::nullopt);
  ASSERT_EQ(temporary.file->close(), std::nullopt);
  ASSERT_EQ(files.replaceFile(temporary.path, path), std::nullopt);
  EXPECT_EQ(at.read(path), "new\r\nbytes");
  EXPECT_EQ(files.findFile(temporary.path, attr::kAnyFileLookup).value(), "");
}

// Every case above, each under its own name.
inline void RunAll(FileSystem& files, const Place& at) {
  const std::pair<const char*, void (*)(FileSystem&, const Place&)> cases[] = {
      {"missing things", MissingThingsAreEmptyForLookupAnd53Elsewhere},
      {"attributes", AttributesAreSetExactly},
      {"lookup mask", LookupAdmitsByTheMask},
      {"folder", AFolderIsNeverFoundAsAFile},
      {"replace", ReplaceLeavesTheNewBytesOnly},
  };
  for (const auto& [name, run] : cases) {
    SCOPED_TRACE(name);
    run(files, at);
  }
}

}  // namespace kovrena::contract
