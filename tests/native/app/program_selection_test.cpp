#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/program_selection.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/program_selection.h"

namespace kovrena::app {
namespace {

using testing::FileOp;
using testing::FormControls;
using testing::MemoryFileSystem;
using testing::RecordingMessageBox;
using testing::ScriptedDialog;

const OwnProgram kSelf{"C:\\Araçlar", "Kovrena"};
const char* const kNotepad = "C:\\WINDOWS\\notepad.exe";

class ProgramSelection : public ::testing::Test {
 protected:
  void choose(const std::string& path, const std::string& title) { dialog.choice = {path, title}; }
  void click() { cmdGözatClick(values, controls, dialog, files, messages, kSelf); }

  AnaFormValues values;
  FormControls controls;
  ScriptedDialog dialog;
  MemoryFileSystem files;
  RecordingMessageBox messages;
};

// What the dialog shows is held to the real dialog by the end-to-end tests;
// here, that a choice made leaves nothing behind for the next showing.
TEST_F(ProgramSelection, EveryShowingStartsFromTheDesignedSettings) {
  files.addFile(kNotepad);
  choose(kNotepad, "notepad.exe");
  click();
  dialog.choice.end = DialogEnd::Cancelled;
  click();
  ASSERT_EQ(dialog.seen.size(), 2u);
  for (const OpenFileSettings& s : dialog.seen) EXPECT_EQ(s, ProgramDialogSettings());
  EXPECT_EQ(dialog.seen[1].fileName, "");
}

// Every row of the outcome table, starting from an earlier successful
// selection of another program so that "unchanged" is visible.
struct OutcomeRow {
  const char* name;
  // What the dialog answers (a failure, or the chosen path and title) and the
  // files on disk besides the earlier program.
  std::optional<Error> dialogFailure;
  std::string chosenPath, chosenTitle;
  std::vector<std::pair<std::string, std::uint32_t>> files;
  // What the user sees afterwards.
  std::string pathText, targetPath, programName;
  bool applyEnabled, applyOptionEnabled, undoOptionEnabled, applySelected, undoLabelEnabled;
  std::vector<std::string> messages;
  DialogEnd end = DialogEnd::Chosen;
};

const std::string kEarlier = "C:\\Eski\\eski.exe";
const std::string kNotepadManifest = std::string(kNotepad) + ".manifest";

// The message names the limit the dialog is given.
TEST(ProgramSelectionOutcome, TheTooLongMessageNamesTheDialogsLimit) {
  const std::string limit = " " + std::to_string(ProgramDialogSettings().maxFileLength) + " ";
  EXPECT_NE(kPathTooLongMessage.find(limit), std::string_view::npos);
}

TEST(ProgramSelectionOutcome, EveryOutcomeRow) {
  const OutcomeRow rows[] = {
      {"cancelled", std::nullopt, "", "", {},
       kEarlier, kEarlier, "eski.exe", true, true, false, true, false, {}, DialogEnd::Cancelled},
      {"a name longer than the dialog takes", std::nullopt, "", "", {}, "", kEarlier, "eski.exe", false, true, false,
       true, false, {std::string(kPathTooLongMessage)}, DialogEnd::NameTooLong},
      {"a name no file can have", std::nullopt, "", "", {}, "", kEarlier, "eski.exe", false, true, false, true, false,
       {"Belirttiğiniz dosya bulunamadı"}, DialogEnd::NameInvalid},
      {"not found", std::nullopt, "C:\\yok\\yok.exe", "yok.exe", {},
       "", kEarlier, "eski.exe", false, true, false, true, false, {"Belirttiğiniz dosya bulunamadı"}},
      {"itself", std::nullopt, "C:\\Araçlar\\Kovrena.exe", "Kovrena.exe", {{"C:\\Araçlar\\Kovrena.exe", attr::kNormal}},
       "", "", "eski.exe", false, true, false, true, false, {std::string(kSelfChosenMessage)}},
      {"no manifest", std::nullopt, kNotepad, "notepad.exe", {{kNotepad, attr::kNormal}},
       kNotepad, kNotepad, "notepad.exe", true, true, false, true, false, {}},
      {"manifest", std::nullopt, kNotepad, "notepad.exe",
       {{kNotepad, attr::kNormal}, {kNotepadManifest, attr::kHidden | attr::kSystem}},
       kNotepad, kNotepad, "notepad.exe", true, false, true, false, true, {}},
  };
  for (const OutcomeRow& row : rows) {
    SCOPED_TRACE(row.name);
    AnaFormValues v;
    FormControls c;
    ScriptedDialog d;
    MemoryFileSystem f;
    RecordingMessageBox m;
    f.addFile(kEarlier);
    d.choice = {kEarlier, "eski.exe"};
    cmdGözatClick(v, c, d, f, m, kSelf);
    ASSERT_TRUE(m.shown.empty());

    d.failure = row.dialogFailure;
    d.choice = {row.chosenPath, row.chosenTitle, row.end};
    for (const auto& [path, attributes] : row.files) f.addFile(path, attributes);
    cmdGözatClick(v, c, d, f, m, kSelf);

    EXPECT_EQ(c.pathText, row.pathText);
    EXPECT_EQ(v.targetPath, row.targetPath);
    EXPECT_EQ(v.programName, row.programName);
    EXPECT_EQ(c.applyEnabled, row.applyEnabled);
    EXPECT_EQ(c.applyOptionEnabled, row.applyOptionEnabled);
    EXPECT_EQ(c.undoOptionEnabled, row.undoOptionEnabled);
    EXPECT_EQ(c.applySelected, row.applySelected);
    EXPECT_EQ(c.undoLabelEnabled, row.undoLabelEnabled);
    ASSERT_EQ(m.shown.size(), row.messages.size());
    for (size_t i = 0; i < m.shown.size(); ++i) {
      EXPECT_EQ(m.shown[i].text, row.messages[i]);
      EXPECT_EQ(m.shown[i].style, 64u);
    }
  }
}

TEST(ProgramSelectionLookup, IsPlainAndExactInCase) {
  struct Case {
    const char* name;
    std::string chosen;
    std::uint32_t attributes;
    bool folder;
    bool accepted;
  };
  const Case cases[] = {
      {"ordinary file", "C:\\a\\prog.exe", attr::kArchive, false, true},
      {"read-only file", "C:\\a\\prog.exe", attr::kReadOnly, false, true},
      {"not an .exe", "C:\\a\\belge.txt", attr::kNormal, false, true},
      {"hidden file", "C:\\a\\prog.exe", attr::kHidden, false, false},
      {"system file", "C:\\a\\prog.exe", attr::kSystem, false, false},
      {"folder", "C:\\a\\klasor.exe", 0, true, false},
      {"own path in other case", "C:\\araçlar\\Kovrena.exe", attr::kNormal, false, true},
      {"own name other case", "C:\\Araçlar\\kovrena.exe", attr::kNormal, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnaFormValues v;
    FormControls fc;
    ScriptedDialog d;
    MemoryFileSystem f;
    RecordingMessageBox m;
    if (c.folder) f.addDirectory(c.chosen); else f.addFile(c.chosen, c.attributes);
    d.choice = {c.chosen, c.chosen.substr(c.chosen.find_last_of('\\') + 1)};
    cmdGözatClick(v, fc, d, f, m, kSelf);
    if (c.accepted) {
      EXPECT_TRUE(m.shown.empty());
      EXPECT_EQ(v.targetPath, c.chosen);
      EXPECT_TRUE(fc.applyEnabled);
    } else {
      ASSERT_EQ(m.shown.size(), 1u);
      EXPECT_EQ(m.shown[0].text, "Belirttiğiniz dosya bulunamadı");
      EXPECT_FALSE(fc.applyEnabled);
      EXPECT_EQ(v.targetPath, "");
    }
  }
}

TEST_F(ProgramSelection, OtherFailuresGetTheSelectionErrorReport) {
  files.addFile(kNotepad);
  choose(kNotepad, "notepad.exe");
  dialog.failure = Error{-2147467259, "Unspecified error"};
  click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].style, 16u);
  const std::string& text = messages.shown[0].text;
  EXPECT_EQ(text.rfind("XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir.\r\n\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n\r\n(1)Hata No: -2147467259\r\nHata Ayrıntıları: Unspecified error"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 17), "Unspecified error");
}

TEST_F(ProgramSelection, FailureOfTheManifestCheckKeepsWhatWasDone) {
  // The lookup of the program succeeds; the manifest check fails.
  files.addFile(kNotepad);
  files.afterFind = [this] { files.faults = {{FileOp::Find, Error{21, "The device is not ready."}}}; };
  choose(kNotepad, "notepad.exe");
  click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("(1)Hata No: 21\r\nHata Ayrıntıları: The device is not ready."),
            std::string::npos);
  // Steps before the failure stay done: path shown, button enabled, values stored.
  EXPECT_EQ(controls.pathText, kNotepad);
  EXPECT_TRUE(controls.applyEnabled);
  EXPECT_EQ(values.programName, "notepad.exe");
}

}  // namespace
}  // namespace kovrena::app
