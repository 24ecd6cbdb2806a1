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

struct Case {
  const char* label;
  On on;
  bool apply;                   // else undo
  bool oursBefore;              // the tool's manifest beside the program beforehand
  FileOp refused;               // what Windows refuses the window (Find: nothing)
  bool timeFails;               // setting the program's time fails, for the helper too
  std::vector<int> answers;
  std::vector<Box> shown;
  bool oursAfter;
  bool timeMoved;
  std::vector<std::string> helperRun;  // kovrena-cli's arguments; empty: not started
  bool helperThere = true;
  bool promptRefused = false;
  bool helperFails = false;     // it ran and changed nothing
};

TEST(ChangeTakesEffect, PerSystemAndWithFullRights) {
  constexpr int Yes = mb::kAnswerYes;
  constexpr int No = mb::kAnswerNo;
  const FileOp none = FileOp::Find;
  const std::vector<std::string> apply{"apply", "--", kProgram};
  const std::vector<std::string> applyForced{"apply", "--force", "--", kProgram};
  const std::vector<std::string> undo{"undo", "--force", "--", kProgram};
  const std::vector<Case> cases = {
      {"XP caches nothing", On::Xp, true, false, none, false, {}, {Box::Applied}, true, false, {}},
      {"Wine caches nothing", On::Wine, false, true, none, false, {}, {Box::Undone}, false, false, {}},
      {"Vista, apply", On::Vista, true, false, none, false, {}, {Box::Applied}, true, true, {}},
      {"Vista, replace", On::Vista, true, true, none, false, {Yes}, {Box::Overwrite, Box::Applied}, true, true, {}},
      {"Vista, undo", On::Vista, false, true, none, false, {}, {Box::Undone}, false, true, {}},
      {"Vista, time not set, apply", On::Vista, true, false, none, true, {}, {Box::AppliedRestart}, true, false, {}},
      {"Vista, time not set, undo", On::Vista, false, true, none, true, {}, {Box::UndoneRestart}, false, false, {}},
      {"XP, denied: the report as it was", On::Xp, true, false, FileOp::Replace, false, {}, {Box::ApplyError}, false,
       false, {}},
      {"Vista elevated, denied: the report as it was", On::Vista, false, true, FileOp::Delete, false, {},
       {Box::UndoError}, true, false, {}},
      {"standard user, apply as administrator", On::VistaStandardUser, true, false, FileOp::Replace, false, {Yes},
       {Box::FullRights, Box::Applied}, true, true, apply},
      {"standard user, replace as administrator", On::VistaStandardUser, true, true, FileOp::Replace, false,
       {Yes, Yes}, {Box::Overwrite, Box::FullRights, Box::Applied}, true, true, applyForced},
      {"standard user, undo as administrator", On::VistaStandardUser, false, true, FileOp::Delete, false, {Yes},
       {Box::FullRights, Box::Undone}, false, true, undo},
      {"standard user, time not set as administrator either", On::VistaStandardUser, true, false, FileOp::Replace,
       true, {Yes}, {Box::FullRights, Box::AppliedRestart}, true, false, apply},
      {"standard user says No", On::VistaStandardUser, true, false, FileOp::Replace, false, {No},
       {Box::FullRights, Box::ApplyError}, false, false, {}},
      {"consent prompt refused", On::VistaStandardUser, false, true, FileOp::Delete, false, {Yes},
       {Box::FullRights, Box::Refused}, true, false, undo, true, true},
      {"helper missing", On::VistaStandardUser, true, false, FileOp::Replace, false, {}, {Box::Missing}, false,
       false, {}, false},
      {"helper ran and changed nothing", On::VistaStandardUser, false, true, FileOp::Delete, false, {Yes},
       {Box::FullRights, Box::UndoError}, true, false, undo, true, false, true},
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
    testing::FakeElevation elevation;
    elevation.present = c.helperThere;
    elevation.promptRefused = c.promptRefused;
    elevation.helper = [&](const std::vector<std::string>& arguments) {
      if (c.helperFails) return;
      // With full rights nothing is refused but what any process meets.
      std::erase_if(window.faults, [](const Fault& fault) { return fault.op != FileOp::SetTime; });
      testing::RecordingConsole console;
      HostSystem elevated = host;
      elevated.fullRightsOnConsent = false;
      static_cast<void>(cli::RunCli(arguments, window, window, console, cli::Host{elevated, nullptr}));
    };
    testing::RecordingMessageBox messages;
    messages.answers.assign(c.answers.begin(), c.answers.end());
    testing::RecordingControls controls;
    controls.applyOption = c.apply;
    cmdUygulaClick({kProgram, "Çizim.exe"}, controls, ManifestServices{messages, window, window, host, nullptr, &elevation});

    std::vector<Box> shown;
    for (const testing::ShownMessage& each : messages.shown) shown.push_back(boxOf(each));
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(elevation.runs, c.helperRun.empty() ? std::vector<std::vector<std::string>>{}
                                                   : std::vector<std::vector<std::string>>{c.helperRun});
    EXPECT_EQ(window.exists(kManifest) && window.entries[kManifest].bytes == ours, c.oursAfter);
    EXPECT_EQ(window.entries[kProgram].written != 0, c.timeMoved);
    // Only the time: the program's bytes and attributes stay.
    EXPECT_EQ(window.entries[kProgram].bytes, program);
    EXPECT_EQ(window.entries[kProgram].attributes, attr::kReadOnly);

    // kovrena-cli, where the window handed nothing over, ends the same way
    // and says so in its JSON.
    if (!c.helperRun.empty() || !c.helperThere) continue;
    std::vector<std::string> arguments{c.apply ? "apply" : "undo", "--json"};
    if (c.oursBefore) arguments.emplace_back("--force");
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
