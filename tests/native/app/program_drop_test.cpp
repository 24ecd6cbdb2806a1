#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program_drop.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/program_selection.h"

namespace kovrena::app {
namespace {

using testing::FormControls;
using testing::MemoryFileSystem;
using testing::RecordingMessageBox;
using testing::ScriptedDialog;

const OwnProgram kSelf{"C:\\Araçlar", "Kovrena"};

// One window's state after a selection, for comparing the two routes.
struct Outcome {
  AnaFormValues values;
  FormControls controls;
  RecordingMessageBox messages;
};

void expectSame(const Outcome& dropped, const Outcome& chosen) {
  EXPECT_EQ(dropped.values.targetPath, chosen.values.targetPath);
  EXPECT_EQ(dropped.values.programName, chosen.values.programName);
  EXPECT_EQ(dropped.controls.pathText, chosen.controls.pathText);
  EXPECT_EQ(dropped.controls.applyEnabled, chosen.controls.applyEnabled);
  EXPECT_EQ(dropped.controls.applySelected, chosen.controls.applySelected);
  EXPECT_EQ(dropped.controls.applyOptionEnabled, chosen.controls.applyOptionEnabled);
  EXPECT_EQ(dropped.controls.undoOptionEnabled, chosen.controls.undoOptionEnabled);
  EXPECT_EQ(dropped.controls.undoLabelEnabled, chosen.controls.undoLabelEnabled);
}

// A drop ends as the dialog's choice of its first file does, after the one
// message that only the first of several is taken; an empty drop does nothing.
TEST(ProgramDrop, EndsAsTheDialogsChoiceOfTheFirstFile) {
  struct Row {
    const char* name;
    std::vector<std::string> dropped;
  };
  const Row rows[] = {
      {"a program", {"C:\\a\\Örnek Program.exe"}},
      {"one with a manifest", {"C:\\a\\eski.exe"}},
      {"a missing one", {"C:\\a\\yok.exe"}},
      {"a folder", {"C:\\a\\klasor"}},
      {"this program itself", {"C:\\Araçlar\\Kovrena.exe"}},
      {"two files", {"C:\\a\\eski.exe", "C:\\a\\Örnek Program.exe"}},
      {"nothing", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryFileSystem files;
    for (const char* path : {"C:\\a\\Örnek Program.exe", "C:\\a\\eski.exe", "C:\\Araçlar\\Kovrena.exe"}) {
      files.addFile(path);
    }
    files.addFile("C:\\a\\eski.exe.manifest", attr::kHidden | attr::kSystem);
    files.addDirectory("C:\\a\\klasor");

    Outcome dropped, chosen;
    ProgramsDropped(dropped.values, dropped.controls, files, dropped.messages, kSelf, row.dropped);
    std::vector<testing::ShownMessage> expected;
    if (row.dropped.size() > 1) expected.push_back({std::string(kOneProgramAtATimeMessage), 64u});
    if (!row.dropped.empty()) {
      ScriptedDialog dialog;
      const std::string& first = row.dropped.front();
      dialog.choice = {first, first.substr(first.find_last_of('\\') + 1)};
      cmdGözatClick(chosen.values, chosen.controls, dialog, files, chosen.messages, kSelf);
      expected.insert(expected.end(), chosen.messages.shown.begin(), chosen.messages.shown.end());
    }
    expectSame(dropped, chosen);
    EXPECT_EQ(dropped.messages.shown, expected);
  }
}

}  // namespace
}  // namespace kovrena::app
