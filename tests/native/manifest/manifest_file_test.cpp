#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "manifest/engine.h"
#include "tests/fakes/memory_file_system.h"

namespace kovrena::manifest {
namespace {

using testing::Fault;
using testing::FileOp;
using testing::MemoryFileSystem;

const std::string kManifest = "C:\\Programlar\\notepad.exe.manifest";

const std::string kTemporary = TemporaryPathFor(kManifest, MemoryFileSystem::kWriter, 0);
const std::string kOldBytes = "el yazısı manifest";
constexpr std::uint32_t kOldAttributes = attr::kReadOnly | attr::kHidden | attr::kSystem;

TEST(WriteManifestFile, WritesATemporaryFileToTheDiskThenRenamesItOverThePath) {
  MemoryFileSystem files;
  const std::string text = BuildManifestText("notepad.exe");
  EXPECT_EQ(WriteManifestFile(files, kManifest, text, OldManifest::None), std::nullopt);
  ASSERT_TRUE(files.exists(kManifest));
  EXPECT_EQ(files.entries[kManifest].bytes, text);
  // Exactly 6: the Archive bit a new file is born with is gone.
  EXPECT_EQ(files.entries[kManifest].attributes, 6u);
  EXPECT_EQ(files.entries.size(), 1u);
  const std::vector<std::string> expectedLog = {
      "leftovers " + kManifest, "create " + kTemporary, "write " + kTemporary,          "flush " + kTemporary,
      "close " + kTemporary,  "attributes " + kTemporary + " 6", "replace " + kTemporary + " " + kManifest};
  EXPECT_EQ(files.log, expectedLog);
}

TEST(WriteManifestFile, ClearsTheOldOnesAttributesRightBeforeTheRename) {
  MemoryFileSystem files;
  files.addFile(kManifest, kOldBytes, kOldAttributes);
  EXPECT_EQ(WriteManifestFile(files, kManifest, "yeni", OldManifest::Replace), std::nullopt);
  EXPECT_EQ(files.entries[kManifest].bytes, "yeni");
  EXPECT_EQ(files.entries[kManifest].attributes, 6u);
  EXPECT_EQ(files.entries.size(), 1u);
  const std::vector<std::string> tail(files.log.end() - 3, files.log.end());
  const std::vector<std::string> expected = {"getattributes " + kManifest, "attributes " + kManifest + " 0",
                                             "replace " + kTemporary + " " + kManifest};
  EXPECT_EQ(tail, expected);
}

struct WriteFaultCase {
  const char* label;
  std::vector<Fault> faults;
  Error expected;  // the failure reported: always the first one
};

// A fault at any step leaves the manifest path as it was (the old manifest
// with its bytes and attributes, or nothing) and no temporary file.
TEST(WriteManifestFile, AnyFailureLeavesThePathAsItWasAndNoTemporaryFile) {
  const Error full{112, "Diskte yeterli alan yok."};
  const Error io{1117, "G/Ç aygıtı hatası."};
  const Error denied{5, "Erişim engellendi."};
  const std::vector<WriteFaultCase> cases = {
      {"create fails", {{FileOp::Create, denied, {}}}, denied},
      {"write fails half-way", {{FileOp::Write, full, {}}}, full},
      {"flush fails", {{FileOp::Flush, io, {}}}, io},
      {"close fails", {{FileOp::Close, io, {}}}, io},
      {"hidden+system refused", {{FileOp::SetAttributes, denied, 6u}}, denied},
      {"rename fails", {{FileOp::Replace, testing::sharingViolationError(), {}}},
       testing::sharingViolationError()},
      {"write fails and tidying the attributes fails too",
       {{FileOp::Write, full, {}}, {FileOp::SetAttributes, denied, 0u}}, full},
  };
  for (const OldManifest old : {OldManifest::None, OldManifest::Replace}) {
    for (const WriteFaultCase& c : cases) {
      SCOPED_TRACE(std::string(c.label) + (old == OldManifest::Replace ? ", replacing" : ""));
      MemoryFileSystem files;
      if (old == OldManifest::Replace) files.addFile(kManifest, kOldBytes, kOldAttributes);
      files.faults = c.faults;
      EXPECT_EQ(WriteManifestFile(files, kManifest, BuildManifestText("notepad.exe"), old), c.expected);
      EXPECT_FALSE(files.exists(kTemporary));
      ASSERT_EQ(files.exists(kManifest), old == OldManifest::Replace);
      if (old == OldManifest::Replace) {
        EXPECT_EQ(files.entries[kManifest].bytes, kOldBytes);
        EXPECT_EQ(files.entries[kManifest].attributes, kOldAttributes);
      }
    }
  }
}

TEST(WriteManifestFile, OldManifestThatCannotBeResetOrVanishedIsReportedAndKept) {
  const std::vector<WriteFaultCase> cases = {
      {"attributes unreadable", {{FileOp::GetAttributes, testing::notFoundError(), {}}}, testing::notFoundError()},
      {"reset refused", {{FileOp::SetAttributes, testing::accessDeniedError(), 0u}}, testing::accessDeniedError()},
  };
  for (const WriteFaultCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    files.addFile(kManifest, kOldBytes, kOldAttributes);
    files.faults = c.faults;
    EXPECT_EQ(WriteManifestFile(files, kManifest, "yeni", OldManifest::Replace), c.expected);
    EXPECT_EQ(files.entries[kManifest].bytes, kOldBytes);
    EXPECT_EQ(files.entries[kManifest].attributes, kOldAttributes);
    EXPECT_EQ(files.entries.size(), 1u);
  }
}

TEST(WriteManifestFile, ATemporaryNameInUseIsPassedOverAndKept) {
  MemoryFileSystem files;
  files.addFile(kTemporary, "öldürülen bir yazımdan", attr::kHidden);
  EXPECT_EQ(WriteManifestFile(files, kManifest, "yeni", OldManifest::None), std::nullopt);
  EXPECT_EQ(files.entries[kTemporary].bytes, "öldürülen bir yazımdan");
  EXPECT_EQ(files.entries[kManifest].bytes, "yeni");
}

TEST(WriteManifestFile, FolderOfThatNameIsRefusedAndLeftAlone) {
  MemoryFileSystem files;
  files.addDirectory(kManifest);
  const Status failure = WriteManifestFile(files, kManifest, "x", OldManifest::None);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->number, 5);
  ASSERT_TRUE(files.exists(kManifest));
  EXPECT_TRUE(files.entries[kManifest].directory);
  EXPECT_EQ(files.entries.size(), 1u);
  for (const std::string& call : files.log) EXPECT_NE(call, "delete " + kManifest);
}

struct LookupCase {
  const char* label;
  std::optional<std::uint32_t> fileAttributes;  // nullopt: nothing at the path
  bool directory;
  bool expected;
};

TEST(ManifestFileKontrol, FindsEveryKindOfFileButNoFolder) {
  const std::vector<LookupCase> cases = {
      {"nothing there", std::nullopt, false, false},
      {"plain file", attr::kNormal, false, true},
      {"archive", attr::kArchive, false, true},
      {"read-only", attr::kReadOnly, false, true},
      {"hidden", attr::kHidden, false, true},
      {"system", attr::kSystem, false, true},
      {"hidden and system, as written", attr::kHidden | attr::kSystem, false, true},
      {"everything", attr::kAnyFileLookup, false, true},
      {"folder", std::nullopt, true, false},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    if (c.fileAttributes) files.addFile(kManifest, "x", *c.fileAttributes);
    if (c.directory) files.addDirectory(kManifest);
    const Result<bool> found = ManifestFileKontrol(files, kManifest);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found.value(), c.expected);
    EXPECT_EQ(files.log.front(), "find " + kManifest + " 39");
  }
}

TEST(ManifestFileKontrol, ListingFailureGoesToTheCaller) {
  MemoryFileSystem files;
  files.faults = {{FileOp::Find, Error{21, "Aygıt hazır değil."}, {}}};
  const Result<bool> found = ManifestFileKontrol(files, kManifest);
  ASSERT_FALSE(found.ok());
  EXPECT_EQ(found.error(), (Error{21, "Aygıt hazır değil."}));
}

}  // namespace
}  // namespace kovrena::manifest
