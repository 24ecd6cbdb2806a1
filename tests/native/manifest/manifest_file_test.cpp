#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "manifest/engine.h"
#include "tests/native/manifest/memory_file_system.h"

namespace kovrena::manifest {
namespace {

using testing::Fault;
using testing::FileOp;
using testing::MemoryFileSystem;

const std::string kManifest = "C:\\Programlar\\notepad.exe.manifest";

TEST(WriteManifestFile, WritesTheBytesThenMakesThemHiddenAndSystemOnly) {
  MemoryFileSystem files;
  const std::string text = BuildManifestText("notepad.exe");
  EXPECT_EQ(WriteManifestFile(files, kManifest, text), std::nullopt);
  ASSERT_TRUE(files.exists(kManifest));
  EXPECT_EQ(files.entries[kManifest].bytes, text);
  EXPECT_EQ(files.entries[kManifest].bytes.size(), 630u);
  // Exactly 6: the Archive bit a new file is born with is gone.
  EXPECT_EQ(files.entries[kManifest].attributes, 6u);
  EXPECT_EQ(files.entries[kManifest].openHandles, 0);
  const std::vector<std::string> expectedLog = {"create " + kManifest, "write " + kManifest,
                                                "close " + kManifest, "attributes " + kManifest + " 6"};
  EXPECT_EQ(files.log, expectedLog);
}

struct WriteFaultCase {
  const char* label;
  std::vector<Fault> faults;
  Error expected;  // the failure reported: always the first one
};

TEST(WriteManifestFile, AnyFailureLeavesNoFileBehind) {
  const Error full{112, "Diskte yeterli alan yok."};
  const Error io{1117, "G/Ç aygıtı hatası."};
  const Error denied{5, "Erişim engellendi."};
  const std::vector<WriteFaultCase> cases = {
      {"create fails", {{FileOp::Create, denied, {}}}, denied},
      {"write fails half-way", {{FileOp::Write, full, {}}}, full},
      {"close fails", {{FileOp::Close, io, {}}}, io},
      {"hidden+system refused", {{FileOp::SetAttributes, denied, 6u}}, denied},
      {"write fails and tidying the attributes fails too",
       {{FileOp::Write, full, {}}, {FileOp::SetAttributes, denied, 0u}}, full},
  };
  for (const WriteFaultCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    files.faults = c.faults;
    EXPECT_EQ(WriteManifestFile(files, kManifest, BuildManifestText("notepad.exe")), c.expected);
    EXPECT_FALSE(files.exists(kManifest));
  }
}

TEST(WriteManifestFile, ClearsAttributesBeforeDeletingThePartialFile) {
  MemoryFileSystem files;
  files.faults = {{FileOp::SetAttributes, Error{5, "Erişim engellendi."}, 6u}};
  (void)WriteManifestFile(files, kManifest, "x");
  const std::vector<std::string> tail(files.log.end() - 2, files.log.end());
  const std::vector<std::string> expected = {"attributes " + kManifest + " 0", "delete " + kManifest};
  EXPECT_EQ(tail, expected);
}

TEST(WriteManifestFile, CleanupThatCannotDeleteStillReportsTheOriginalFailure) {
  MemoryFileSystem files;
  const Error full{112, "Diskte yeterli alan yok."};
  files.faults = {{FileOp::Write, full, {}}, {FileOp::Delete, Error{32, "Kullanımda."}, {}}};
  EXPECT_EQ(WriteManifestFile(files, kManifest, "abcd"), full);
}

TEST(WriteManifestFile, FolderOfThatNameIsRefusedAndLeftAlone) {
  MemoryFileSystem files;
  files.addDirectory(kManifest);
  const Status failure = WriteManifestFile(files, kManifest, "x");
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->number, 5);
  ASSERT_TRUE(files.exists(kManifest));
  EXPECT_TRUE(files.entries[kManifest].directory);
  for (const std::string& call : files.log) EXPECT_NE(call.rfind("delete", 0), 0u) << call;
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
