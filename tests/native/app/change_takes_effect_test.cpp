// Where Windows caches manifest decisions a change is made to count now
// (the program's last-write time set); a change Windows refused the window
// program is made with full rights by kovrena-cli itself, and the window
// tells what the disk shows afterwards. kovrena-cli ends the same way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/manifest_messages.h"
#include "app/manifest_procedures.h"
#include "cli/run.h"
#include "manifest/manifest_text.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/console.h"
#include "tests/fakes/elevation.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/pe_builder.h"

namespace kovrena::app {
namespace {

using testing::FileOp;

const std::string kProgram = "C:\\Program Files\\Çizim\\Çizim.exe";
const std::string kManifest = kProgram + ".manifest";

enum class On { Xp, Wine, Vista, VistaStandardUser };
enum class Box { Applied, Undone, OwnWins, Restart, Overwrite, FullRights, Refused, Missing, ApplyError, UndoError, Other };
enum class Helper { NotRun, Acts, Missing, PromptRefused, ChangesNothing };

// What a box says, by the window's text it opens with; the restart
// sentence at its end counts as a box of its own.
void addBoxes(std::vector<Box>& boxes, const testing::ShownMessage& shown) {
  const std::pair<std::string_view, Box> openings[] = {
      {kAppliedBefore, Box::Applied}, {kUndoneMessage, Box::Undone}, {kOverwriteQuestion, Box::Overwrite},
      {kFullRightsQuestion, Box::FullRights}, {kFullRightsRefusedMessage, Box::Refused},
      {kHelperMissingMessage, Box::Missing}, {kApplyHeadline, Box::ApplyError}, {kUndoHeadline, Box::UndoError}};
  Box box = Box::Other;
  for (const auto& [opening, meant] : openings) box = shown.text.starts_with(opening) ? meant : box;
  // Yes is the default of the question of full rights: it is what the user chose.
  if (box == Box::FullRights && shown.style != kFullRightsQuestionStyle) box = Box::Other;
  boxes.push_back(box);
  if (shown.text.find(kOwnManifestWinsSentence) != std::string::npos) boxes.push_back(Box::OwnWins);
  if (shown.text.ends_with(kRestartSentence)) boxes.push_back(Box::Restart);
}

// refused: what Windows refuses the window with access denied (Find: nothing);
// timeFails: setting the program's time fails, for the helper too.
struct Case {
  On on;
  bool apply, oursBefore;
  FileOp refused;
  bool timeFails;
  Helper helper;
  std::vector<int> answers;
  std::vector<Box> shown;
  bool oursAfter, timeMoved;
  bool ownManifest = false;  // the program has one of its own, which this Windows goes by
};

TEST(ChangeTakesEffect, PerSystemAndWithFullRights) {
  constexpr int Y = mb::kAnswerYes;
  const FileOp none = FileOp::Find, write = FileOp::Replace, del = FileOp::Delete;
  using H = Helper;
  using B = Box;
  const On user = On::VistaStandardUser;
  const std::vector<Case> cases = {
      {On::Xp, true, false, none, false, H::NotRun, {}, {B::Applied}, true, false},
      {On::Wine, false, true, none, false, H::NotRun, {}, {B::Undone}, false, false},
      {On::Vista, true, true, none, false, H::NotRun, {Y}, {B::Overwrite, B::Applied}, true, true},
      {On::Vista, false, true, none, false, H::NotRun, {}, {B::Undone}, false, true},
      {On::Vista, true, false, none, true, H::NotRun, {}, {B::Applied, B::Restart}, true, false},
      {On::Vista, false, true, none, true, H::NotRun, {}, {B::Undone, B::Restart}, false, false},
      {On::Xp, true, false, write, false, H::NotRun, {}, {B::ApplyError}, false, false},
      {On::Vista, false, true, del, false, H::NotRun, {}, {B::UndoError}, true, false},  // elevated already
      {user, true, false, write, false, H::Acts, {Y}, {B::FullRights, B::Applied}, true, true},
      {user, true, true, write, false, H::Acts, {Y, Y}, {B::Overwrite, B::FullRights, B::Applied}, true, true},
      {user, false, true, del, false, H::Acts, {Y}, {B::FullRights, B::Undone}, false, true},
      {user, true, false, write, true, H::Acts, {Y}, {B::FullRights, B::Applied, B::Restart}, true, false},
      {user, true, false, write, false, H::NotRun, {}, {B::FullRights, B::ApplyError}, false, false},  // No
      {user, false, true, del, false, H::PromptRefused, {Y}, {B::FullRights, B::Refused}, true, false},
      {user, true, false, write, false, H::Missing, {}, {B::Missing}, false, false},
      {user, false, true, del, false, H::ChangesNothing, {Y}, {B::FullRights, B::UndoError}, true, false},
      {On::Vista, true, false, none, false, H::NotRun, {}, {B::Applied, B::OwnWins}, true, true, true},
      {user, true, false, write, false, H::Acts, {Y}, {B::FullRights, B::Applied, B::OwnWins}, true, true, true},
  };
  const std::string plain = testing::BuildPe({}).bytes;
  const std::string withOwn = testing::BuildPe(testing::PeRecipe{}.withManifest(testing::EmbeddedManifestText(true))).bytes;
  const std::string ours = manifest::BuildManifestText("Çizim.exe");
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(i);
    const std::string& program = c.ownManifest ? withOwn : plain;
    HostSystem host;
    host.system = c.on == On::Xp ? System::Xp : c.on == On::Wine ? System::Wine : System::Server2003Sp1AndLater;
    host.cachesManifests = c.on == On::Vista || c.on == user;
    host.fullRightsOnConsent = c.on == user;
    testing::MemoryFileSystem window, cli;  // the two programs, on the same state
    for (testing::MemoryFileSystem* files : {&window, &cli}) {
      files->addFile(kProgram, program, attr::kReadOnly);
      if (c.oursBefore) files->addFile(kManifest, ours, attr::kHidden | attr::kSystem);
      if (c.refused != none) files->faults.push_back({c.refused, testing::accessDeniedError()});
      if (c.timeFails) files->faults.push_back({FileOp::SetTime, testing::accessDeniedError()});
    }
    // The helper is kovrena-cli itself, refused nothing but the time.
    testing::FakeElevation elevation;
    elevation.present = c.helper != H::Missing;
    elevation.promptRefused = c.helper == H::PromptRefused;
    elevation.helper = [&](const std::vector<std::string>& arguments) {
      if (c.helper == H::ChangesNothing) return;
      std::erase_if(window.faults, [](const testing::Fault& fault) { return fault.op != FileOp::SetTime; });
      testing::RecordingConsole console;
      static_cast<void>(cli::RunCli(arguments, window, console, cli::Host{{System::Server2003Sp1AndLater, true, true}}));
    };
    testing::RecordingMessageBox messages;
    messages.answers.assign(c.answers.begin(), c.answers.end());
    testing::RecordingControls controls;
    controls.applyOption = c.apply;
    cmdUygulaClick({kProgram, "Çizim.exe"}, controls, ManifestServices{messages, window, host, nullptr, &elevation});

    std::vector<Box> shown;
    for (const testing::ShownMessage& each : messages.shown) addBoxes(shown, each);
    EXPECT_EQ(shown, c.shown);
    // --force: the window's Yes, and undo's choice.
    std::vector<std::string> arguments{c.apply ? "apply" : "undo"};
    if (c.oursBefore) arguments.emplace_back("--force");
    const std::vector<std::string> handed = c.oursBefore ? std::vector<std::string>{arguments[0], "--force", "--", kProgram}
                                                         : std::vector<std::string>{arguments[0], "--", kProgram};
    EXPECT_EQ(elevation.runs, std::vector(c.helper != H::NotRun && c.helper != H::Missing ? 1 : 0, handed));
    EXPECT_EQ(window.exists(kManifest) && window.entries[kManifest].bytes == ours, c.oursAfter);
    EXPECT_EQ(window.entries[kProgram].written != 0, c.timeMoved);
    EXPECT_EQ(window.entries[kProgram].bytes, program);  // only the time changes
    EXPECT_EQ(window.entries[kProgram].attributes, attr::kReadOnly);

    if (c.helper != H::NotRun) continue;  // kovrena-cli does not elevate
    arguments.insert(arguments.end(), {"--json", kProgram});
    testing::RecordingConsole console;
    static_cast<void>(cli::RunCli(arguments, cli, console, cli::Host{host, nullptr}));
    EXPECT_EQ(cli.exists(kManifest), window.exists(kManifest));
    EXPECT_EQ(cli.entries[kProgram].written != 0, c.timeMoved);
    const bool cached = host.cachesManifests && c.refused == none;
    EXPECT_EQ(console.outText.find("\"programTimeSet\":true") != std::string::npos, cached && c.timeMoved);
    EXPECT_EQ(console.outText.find("\"programTimeSet\":false") != std::string::npos, cached && !c.timeMoved);
  }
}

}  // namespace
}  // namespace kovrena::app
