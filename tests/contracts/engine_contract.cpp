#include "tests/contracts/engine_contract.h"

#include <cstdint>
#include <string>
#include <vector>

#include "app/manifest_messages.h"
#include "manifest/manifest_file.h"
#include "manifest/manifest_text.h"
#include "tests/fakes/faulty_file_system.h"

namespace kovrena::contract {

using app::cmdUygulaClick;
using manifest::BuildManifestText;
using testing::ShownMessage;

namespace {

// The bits a user sees of a file (Wine adds Archive), or Directory when there is none.
std::uint32_t shownBits(FileSystem& files, const std::string& path) {
  const Result<std::uint32_t> attributes = files.getAttributes(path);
  return attributes ? attributes.value() & (attr::kReadOnly | attr::kHidden | attr::kSystem) : attr::kDirectory;
}

TEST_P(EngineContract, ApplyWritesAHiddenSystemManifestAndUndoRemovesIt) {
  cmdUygulaClick(target, controls, services());
  EXPECT_EQ(messages.shown, std::vector<ShownMessage>{kApplied});
  EXPECT_EQ(at().read(manifest), BuildManifestText(target.programName));
  EXPECT_NE(at().read(manifest).value_or("").find("name=\"\xC3\x87izim &amp; Boya.exe\"/>"), std::string::npos);
  EXPECT_EQ(shownBits(at().files(), manifest), attr::kHidden | attr::kSystem);
  EXPECT_EQ(entries(), 2u) << "no temporary file left";
  EXPECT_EQ(at().files().findFile(manifest, attr::kPlainLookup).value(), "");
  EXPECT_EQ(manifest::ManifestFileKontrol(at().files(), manifest).value(), true);
  EXPECT_FALSE(controls.applyEnabled);

  controls.applyOption = false;
  cmdUygulaClick(target, controls, services());
  EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{kApplied, kUndone}));
  EXPECT_FALSE(at().read(manifest).has_value());
  EXPECT_EQ(at().read(target.path), testing::BuildPe({}).bytes);
}

// A manifest that was there before, hand-written, is replaced only after
// Yes, read-only or not (Windows renames over none until that is cleared);
// undo removes it whatever its attributes.
TEST_P(EngineContract, AnOldManifestIsReplacedOnlyAfterYesAndUndoRemovesAnyManifest) {
  const std::uint32_t kHiddenSystem = attr::kHidden | attr::kSystem;
  const std::string kOld = testing::EmbeddedManifestText(true);
  const struct {
    std::uint32_t attributes;
    bool yes;
  } cases[] = {{attr::kNormal, false},          {attr::kReadOnly, false}, {attr::kReadOnly, true},
               {kHiddenSystem | attr::kReadOnly, false}, {kHiddenSystem | attr::kReadOnly, true}, {kHiddenSystem, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "attributes " << c.attributes << (c.yes ? " Yes" : " No"));
    ASSERT_TRUE(at().write(manifest, kOld));
    ASSERT_EQ(at().files().setAttributes(manifest, c.attributes), std::nullopt);
    messages.shown.clear();
    messages.answers = {c.yes ? mb::kAnswerYes : mb::kAnswerNo};
    controls.applyEnabled = true;
    cmdUygulaClick(target, controls, services());
    ASSERT_EQ(messages.shown.size(), c.yes ? 2u : 1u);
    EXPECT_EQ(messages.shown[0].style, 308u);
    EXPECT_EQ(messages.shown.back(), c.yes ? kApplied : messages.shown[0]);
    EXPECT_EQ(at().read(manifest), c.yes ? BuildManifestText(target.programName) : kOld);
    EXPECT_EQ(shownBits(at().files(), manifest), c.yes ? kHiddenSystem : c.attributes);
    EXPECT_EQ(controls.applyEnabled, !c.yes);
    EXPECT_EQ(entries(), 2u) << "the program and its manifest, no temporary file";
    messages.shown.clear();
    app::ManifestGeriAl(target, controls, services());
    EXPECT_EQ(messages.shown, std::vector<ShownMessage>{kUndone});
    EXPECT_FALSE(at().read(manifest).has_value());
  }
  EXPECT_EQ(at().read(target.path), testing::BuildPe({}).bytes);
}

TEST_P(EngineContract, AFolderNamedLikeTheManifestIsNamedAndLeftBothWays) {
  ASSERT_TRUE(at().makeFolder(manifest));
  cmdUygulaClick(target, controls, services());
  controls.applyOption = false;
  cmdUygulaClick(target, controls, services());
  const std::string there = std::string(app::kBlockedBefore) + std::string(app::kBlockedFolder);
  const std::vector<ShownMessage> expected = {{there + std::string(app::kBlockedApplyAfter), 64},
                                              {there + std::string(app::kBlockedUndoAfter), 64}};
  EXPECT_EQ(messages.shown, expected);
  EXPECT_EQ(controls.pathText, target.path);
  EXPECT_EQ(at().files().kindOf(manifest, false).value(), EntryKind::Folder) << "the folder is not ours to remove";
}

TEST_P(EngineContract, AMissingFolderIsNotFoundOnApplyAndNothingToUndo) {
  target.path = path("gitti") + (at().files().style() == PathStyle::Windows ? "\\" : "/") + "prog.exe";
  cmdUygulaClick(target, controls, services());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Belirttiğiniz dosya bulunamadı");
  EXPECT_EQ(controls.pathText, "");

  // The lookup of a path whose folder is gone finds nothing; it is no failure.
  controls.applyOption = false;
  cmdUygulaClick(target, controls, services());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].style, 48u);
}

// Whichever step of the write fails, the old manifest stays whole and the
// temporary file goes.
TEST_P(EngineContract, AFailedStepLeavesTheOldManifestAndNothingElse) {
  for (const testing::FileOp op :
       {testing::FileOp::Write, testing::FileOp::Flush, testing::FileOp::SetAttributes, testing::FileOp::Replace}) {
    SCOPED_TRACE(static_cast<int>(op));
    ASSERT_TRUE(at().write(manifest, "eski"));
    testing::FaultyFileSystem failing(at().files());
    failing.faults = {{op, Error{5, "kesildi"}}};
    const Status failure = manifest::WriteManifestFile(failing, manifest, BuildManifestText(target.programName),
                                                       manifest::OldManifest::Replace);
    EXPECT_EQ(failure ? failure->number : 0, 5);
    EXPECT_EQ(at().read(manifest), "eski");
    EXPECT_EQ(entries(), 2u) << "the program and the old manifest only";
  }
}

}  // namespace
}  // namespace kovrena::contract
