#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "manifest/manifest_file.h"
#include "manifest/manifest_text.h"
#include "tests/fakes/forwarding_file_system.h"
#include "tests/fakes/memory_file_system.h"

namespace kovrena::manifest {
namespace {

using testing::Fault;
using testing::FileOp;
using testing::MemoryFileSystem;

const std::string kFolder = "C:\\Programlar";
const std::string kManifest = kFolder + "\\notepad.exe.manifest";

const std::string kTemporary = TemporaryPathFor(kManifest, MemoryFileSystem::kWriter, 0);
const std::string kOldBytes = "el yazısı manifest";
constexpr std::uint32_t kOldAttributes = attr::kReadOnly | attr::kHidden | attr::kSystem;

TEST(WriteManifestFile, WritesATemporaryFileToTheDiskThenRenamesItOverThePath) {
  MemoryFileSystem files;
  files.addDirectory(kFolder);
  const std::string text = BuildManifestText("notepad.exe");
  EXPECT_EQ(WriteManifestFile(files, kManifest, text, OldManifest::None), std::nullopt);
  ASSERT_TRUE(files.exists(kManifest));
  EXPECT_EQ(files.entries[kManifest].bytes, text);
  // Exactly 6: the Archive bit a new file is born with is gone.
  EXPECT_EQ(files.entries[kManifest].attributes, 6u);
  EXPECT_EQ(files.entries.size(), 2u) << "the folder and the manifest, nothing else";
  const std::vector<std::string> expectedLog = {
      "leftovers " + kManifest, "create " + kTemporary, "write " + kTemporary,          "flush " + kTemporary,
      "close " + kTemporary,  "attributes " + kTemporary + " 6", "replace " + kTemporary + " " + kManifest};
  EXPECT_EQ(files.log, expectedLog);
}

TEST(WriteManifestFile, ClearsOnlyTheOldOnesReadOnlyBitRightBeforeTheRename) {
  MemoryFileSystem files;
  files.addFile(kManifest, kOldBytes, kOldAttributes);
  EXPECT_EQ(WriteManifestFile(files, kManifest, "yeni", OldManifest::Replace), std::nullopt);
  EXPECT_EQ(files.entries[kManifest].bytes, "yeni");
  EXPECT_EQ(files.entries[kManifest].attributes, 6u);
  EXPECT_EQ(files.entries.size(), 1u);
  const std::vector<std::string> tail(files.log.end() - 3, files.log.end());
  const std::vector<std::string> expected = {"links " + kManifest, "attributes " + kManifest + " 6",
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
      files.addDirectory(kFolder);
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
      {"reset refused", {{FileOp::SetAttributes, testing::accessDeniedError(), 6u}}, testing::accessDeniedError()},
      {"link count unreadable", {{FileOp::LinkCount, testing::accessDeniedError(), {}}}, testing::accessDeniedError()},
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

// A file system whose delete reports success and leaves the file, as Wine's
// does in a folder the user cannot write.
class DeleteThatLies final : public testing::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  Status deleteFile(const std::string&) override { return std::nullopt; }
};

struct RemoveCase {
  const char* label;
  std::uint32_t links;
  std::vector<Fault> faults;
  bool lyingDelete;
  std::optional<Error> expected;  // nothing: removed
};

// Whichever step fails, the manifest is still there with the attributes it
// had; a file with other names never has its attributes changed at all.
TEST(RemoveManifestFile, AFailureAtAnyStepLeavesTheFileWithItsAttributes) {
  const Error denied = testing::accessDeniedError();
  const Error stillThere{kErrPathFileAccess, std::string(kStillThereMessage)};
  const std::vector<RemoveCase> cases = {
      {"removed", 1, {}, false, std::nullopt},
      {"attributes unreadable", 1, {{FileOp::GetAttributes, denied, {}}}, false, denied},
      {"link count unreadable", 1, {{FileOp::LinkCount, denied, {}}}, false, denied},
      {"attributes cannot be cleared", 1, {{FileOp::SetAttributes, denied, attr::kNormal}}, false, denied},
      {"delete fails", 1, {{FileOp::Delete, testing::sharingViolationError(), {}}}, false,
       testing::sharingViolationError()},
      {"delete reports success and leaves the file", 1, {}, true, stillThere},
      {"other names: read-only refuses the delete", 2, {}, false, denied},
  };
  for (const RemoveCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem memory;
    memory.addFile(kManifest, kOldBytes, kOldAttributes);
    memory.entries[kManifest].links = c.links;
    memory.faults = c.faults;
    DeleteThatLies lying(memory);
    FileSystem& files = c.lyingDelete ? static_cast<FileSystem&>(lying) : memory;
    EXPECT_EQ(RemoveManifestFile(files, kManifest), Status(c.expected));
    if (!c.expected) {
      EXPECT_FALSE(memory.exists(kManifest));
      continue;
    }
    ASSERT_TRUE(memory.exists(kManifest));
    EXPECT_EQ(memory.entries[kManifest].attributes, kOldAttributes);
    if (c.links > 1) {
      for (const std::string& line : memory.log) EXPECT_FALSE(line.starts_with("attributes ")) << line;
    }
  }
}

// The same for a replacement: the old manifest keeps Hidden and System at
// every instant, so a run killed before the rename leaves it hidden.
TEST(WriteManifestFile, TheOldManifestIsNeverVisibleAndAFileWithOtherNamesIsNotTouched) {
  for (const std::uint32_t links : {1u, 2u}) {
    SCOPED_TRACE(links);
    MemoryFileSystem files;
    files.addFile(kManifest, kOldBytes, kOldAttributes & ~attr::kReadOnly);
    files.entries[kManifest].links = links;
    EXPECT_EQ(WriteManifestFile(files, kManifest, "yeni", OldManifest::Replace), std::nullopt);
    EXPECT_EQ(files.entries[kManifest].bytes, "yeni");
    for (const std::string& line : files.log) EXPECT_FALSE(line.starts_with("attributes " + kManifest + " ")) << line;
  }
}

}  // namespace
}  // namespace kovrena::manifest
