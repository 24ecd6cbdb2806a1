// Where Windows caches manifest decisions a change is made to count now
// (the program's last-write time set), and a change Windows refused the
// window program is made again with full rights by kovrena-cli itself; the
// window tells what the disk shows afterwards. kovrena-cli on the same
// state ends with the same files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/manifest_messages.h"
#include "app/manifest_procedures.h"
#include "cli/run.h"
#include "manifest/engine.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/console.h"
#include "tests/fakes/elevation.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/pe_builder.h"

namespace kovrena::app {
namespace {

using testing::Fault;
using testing::FileOp;
using testing::MemoryFileSystem;

const std::string kProgram = "C:\\Program Files\\Çizim\\Çizim.exe";
const std::string kManifest = kProgram + ".manifest";

enum class On { Xp, Wine, Vista, VistaStandardUser };

HostSystem hostOn(On on) {
  HostSystem host;
  host.system = on == On::Xp ? System::Xp : on == On::Wine ? System::Wine : System::Server2003Sp1AndLater;
  host.cachesManifests = on == On::Vista || on == On::VistaStandardUser;
  host.fullRightsOnConsent = on == On::VistaStandardUser;
  return host;
}

// The boxes the window shows, by what they say.
enum class Box { Applied, AppliedRestart, Undone, UndoneRestart, Overwrite, FullRights, Refused, Missing, ApplyError, UndoError, Other };

Box boxOf(const testing::ShownMessage& shown) {
  const std::string applied = std::string(kAppliedBefore) + "Çizim.exe" + std::string(kAppliedAfter);
  const std::string& text = shown.text;
  if (text == applied) return Box::Applied;
  if (text == applied + std::string(kRestartSentence)) return Box::AppliedRestart;
  if (text == kUndoneMessage) return Box::Undone;
  if (text == std::string(kUndoneMessage) + std::string(kRestartSentence)) return Box::UndoneRestart;
  if (text == kOverwriteQuestion) return Box::Overwrite;
  if (text == kFullRightsQuestion && shown.style == kFullRightsQuestionStyle) return Box::FullRights;
  if (text == kFullRightsRefusedMessage) return Box::Refused;
  if (text.starts_with(kHelperMissingBefore)) return Box::Missing;
  if (text.starts_with(kApplyHeadline)) return Box::ApplyError;
  if (text.starts_with(kUndoHeadline)) return Box::UndoError;
  return Box::Other;
}

enum class Helper { NotRun, Acts, Missing, PromptRefused, ChangesNothing };

struct Case {
  const char* label;
  On on;
  bool apply;        // else undo
  bool oursBefore;   // the tool's manifest beside the program beforehand
  FileOp refused;    // what Windows refuses the window with access denied (Find: nothing)
  bool timeFails;    // setting the program's time fails, for the helper too
  Helper helper;
  std::vector<int> answers;
  std::vector<Box> shown;
  bool oursAfter;
  bool timeMoved;
};

TEST(ChangeTakesEffect, PerSystemAndWithFullRights) {
  constexpr int Yes = mb::kAnswerYes;
  const FileOp none = FileOp::Find;
  const FileOp write = FileOp::Replace;
  const FileOp del = FileOp::Delete;
  using H = Helper;
  const std::vector<Case> cases = {
      {"XP caches nothing", On::Xp, true, false, none, false, H::NotRun, {}, {Box::Applied}, true, false},
      {"Wine caches nothing", On::Wine, false, true, none, false, H::NotRun, {}, {Box::Undone}, false, false},
      {"Vista, replace", On::Vista, true, true, none, false, H::NotRun, {Yes}, {Box::Overwrite, Box::Applied}, true, true},
      {"Vista, undo", On::Vista, false, true, none, false, H::NotRun, {}, {Box::Undone}, false, true},
      {"Vista, time not set", On::Vista, true, false, none, true, H::NotRun, {}, {Box::AppliedRestart}, true, false},
      {"Vista, undone, time not set", On::Vista, false, true, none, true, H::NotRun, {}, {Box::UndoneRestart}, false, false},
      {"XP, denied", On::Xp, true, false, write, false, H::NotRun, {}, {Box::ApplyError}, false, false},
      {"Vista, elevated, denied", On::Vista, false, true, del, false, H::NotRun, {}, {Box::UndoError}, true, false},
      {"as administrator", On::VistaStandardUser, true, false, write, false, H::Acts, {Yes}, {Box::FullRights, Box::Applied}, true, true},
      {"replaced as administrator", On::VistaStandardUser, true, true, write, false, H::Acts, {Yes, Yes},
       {Box::Overwrite, Box::FullRights, Box::Applied}, true, true},
      {"undone as administrator", On::VistaStandardUser, false, true, del, false, H::Acts, {Yes}, {Box::FullRights, Box::Undone}, false, true},
      {"as administrator, time not set", On::VistaStandardUser, true, false, write, true, H::Acts, {Yes},
       {Box::FullRights, Box::AppliedRestart}, true, false},
      {"No to full rights", On::VistaStandardUser, true, false, write, false, H::NotRun, {}, {Box::FullRights, Box::ApplyError}, false, false},
      {"consent prompt refused", On::VistaStandardUser, false, true, del, false, H::PromptRefused, {Yes},
       {Box::FullRights, Box::Refused}, true, false},
      {"helper missing", On::VistaStandardUser, true, false, write, false, H::Missing, {}, {Box::Missing}, false, false},
      {"helper changed nothing", On::VistaStandardUser, false, true, del, false, H::ChangesNothing, {Yes},
       {Box::FullRights, Box::UndoError}, true, false},
  };
  const std::string program = testing::BuildPe({}).bytes;
  const std::string ours = manifest::BuildManifestText("Çizim.exe");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const HostSystem host = hostOn(c.on);
    // The window program and kovrena-cli, each on the same state.
    MemoryFileSystem window;
    MemoryFileSystem cli;
    for (MemoryFileSystem* files : {&window, &cli}) {
      files->addFile(kProgram, program, attr::kReadOnly);
      if (c.oursBefore) files->addFile(kManifest, ours, attr::kHidden | attr::kSystem);
      if (c.refused != none) files->faults.push_back({c.refused, testing::accessDeniedError()});
      if (c.timeFails) files->faults.push_back({FileOp::SetTime, testing::accessDeniedError()});
    }
    // The helper is kovrena-cli itself, with nothing refused but the time.
    testing::FakeElevation elevation;
    elevation.present = c.helper != H::Missing;
    elevation.promptRefused = c.helper == H::PromptRefused;
    elevation.helper = [&](const std::vector<std::string>& arguments) {
      if (c.helper == H::ChangesNothing) return;
      std::erase_if(window.faults, [](const Fault& fault) { return fault.op != FileOp::SetTime; });
      testing::RecordingConsole console;
      static_cast<void>(cli::RunCli(arguments, window, window, console, cli::Host{hostOn(On::Vista), nullptr}));
    };
    testing::RecordingMessageBox messages;
    messages.answers.assign(c.answers.begin(), c.answers.end());
    testing::RecordingControls controls;
    controls.applyOption = c.apply;
    cmdUygulaClick({kProgram, "Çizim.exe"}, controls, ManifestServices{messages, window, window, host, nullptr, &elevation});

    std::vector<Box> shown;
    for (const testing::ShownMessage& each : messages.shown) shown.push_back(boxOf(each));
    EXPECT_EQ(shown, c.shown);
    std::vector<std::string> arguments{c.apply ? "apply" : "undo"};
    if (c.oursBefore) arguments.emplace_back("--force");  // the window's Yes, and undo's choice
    const bool ran = c.helper == H::Acts || c.helper == H::PromptRefused || c.helper == H::ChangesNothing;
    std::vector<std::string> handed = arguments;
    handed.insert(handed.end(), {"--", kProgram});
    EXPECT_EQ(elevation.runs, std::vector<std::vector<std::string>>(ran ? 1 : 0, handed));
    EXPECT_EQ(window.exists(kManifest) && window.entries[kManifest].bytes == ours, c.oursAfter);
    EXPECT_EQ(window.entries[kProgram].written != 0, c.timeMoved);
    EXPECT_EQ(window.entries[kProgram].bytes, program);  // only the time changes
    EXPECT_EQ(window.entries[kProgram].attributes, attr::kReadOnly);

    // kovrena-cli, where nothing was handed over, ends the same way and
    // says so in its JSON.
    if (c.helper != H::NotRun) continue;
    arguments.emplace_back("--json");
    arguments.push_back(kProgram);
    testing::RecordingConsole console;
    static_cast<void>(cli::RunCli(arguments, cli, cli, console, cli::Host{host, nullptr}));
    EXPECT_EQ(cli.exists(kManifest), window.exists(kManifest));
    EXPECT_EQ(cli.entries[kProgram].written != 0, c.timeMoved);
    const bool cached = host.cachesManifests && c.refused == none;
    EXPECT_EQ(console.outText.find("\"programTimeSet\":true") != std::string::npos, cached && c.timeMoved);
    EXPECT_EQ(console.outText.find("\"programTimeSet\":false") != std::string::npos, cached && !c.timeMoved);
  }
}

}  // namespace
}  // namespace kovrena::app
