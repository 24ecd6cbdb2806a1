// What one engine decides for each kind of program, and how the window
// program says it: both front ends on the same examined file.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/manifest_messages.h"
#include "app/manifest_procedures.h"
#include "manifest/engine.h"
#include "tests/fakes/apply_controls.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/message_box.h"
#include "tests/fakes/pe_builder.h"
#include "tests/fakes/registry.h"

namespace kovrena::app {
namespace {

using manifest::Outcome;
using testing::BuildPe;
using testing::MemoryFileSystem;
using testing::PeRecipe;
using testing::RecordingControls;
using testing::RecordingMessageBox;
using testing::ShownMessage;

const std::string kProgram = "C:\\Programlar\\Çizim.exe";
const std::string kManifest = kProgram + ".manifest";
const Target kTarget{kProgram, "Çizim.exe"};
const ShownMessage kApplied{"Seçtiğiniz programa (Çizim.exe) XP Görünüm Stili uygulandı", 64};
constexpr std::uint32_t kRiskyQuestion = 308;  // Yes/No, exclamation, No by default

std::string withCrt(std::string_view commonControlsArchitecture) {
  std::string text =
      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"
      "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" name=\"Microsoft.VC90.CRT\" "
      "version=\"9.0.21022.8\" processorArchitecture=\"x86\" publicKeyToken=\"1fc8b3b9a1e18e3b\"/>"
      "</dependentAssembly></dependency>";
  if (!commonControlsArchitecture.empty()) {
    text += "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" "
            "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"";
    text += commonControlsArchitecture;
    text += "\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/></dependentAssembly></dependency>";
  }
  return text + "</assembly>";
}

ManifestServices on(System system, RecordingMessageBox& messages, MemoryFileSystem& files,
                    Registry* registry = nullptr) {
  return ManifestServices{messages, files, files, HostSystem{system, true}, registry};
}

struct KindCase {
  const char* kind;
  std::string bytes;
  Outcome engine;                       // ApplyTo without consent
  std::optional<std::string> written;   // processorArchitecture of what is written
  std::string_view window;              // the window program's message, when not the success one
};

// kovrena-cli and the window program decide from one examination; the
// window says in its own words why nothing was written.
TEST(ProgramKinds, OneDecisionForBothPrograms) {
  std::string cutShort = BuildPe({}).bytes;
  cutShort.resize(0x90);
  const std::vector<KindCase> cases = {
      {"x86 program", BuildPe({}).bytes, Outcome::Applied, "x86", {}},
      {"x64 program", BuildPe(PeRecipe{}.forMachine(0x8664)).bytes, Outcome::Applied, "amd64", {}},
      {".NET AnyCPU program", BuildPe(PeRecipe{}.managed(1)).bytes, Outcome::Applied, "*", {}},
      {".NET program that needs 32 bits", BuildPe(PeRecipe{}.managed(3)).bytes, Outcome::Applied, "x86", {}},
      {"DLL", BuildPe(PeRecipe{}.asDll()).bytes, Outcome::Library, std::nullopt, kLibraryMessage},
      {"ARM64 program", BuildPe(PeRecipe{}.forMachine(0xAA64)).bytes, Outcome::WrongMachine, std::nullopt,
       kWrongMachineMessage},
      {"not a PE", "MZ yalnızca iki harf değil", Outcome::NotWindowsProgram, std::nullopt, kNotAProgramMessage},
      {"PE cut short", cutShort, Outcome::NotWindowsProgram, std::nullopt, kNotAProgramMessage},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.kind);
    MemoryFileSystem engineFiles;
    engineFiles.addFile(kProgram, c.bytes);
    const manifest::Services services{engineFiles, engineFiles};
    const manifest::Report report = manifest::ApplyTo(manifest::Examine(kProgram, services),
                                                      manifest::Consent::None, services);
    EXPECT_EQ(report.outcome, c.engine);

    MemoryFileSystem files;
    files.addFile(kProgram, c.bytes);
    RecordingMessageBox messages;
    RecordingControls controls;
    cmdUygulaClick(kTarget, controls, on(System::Xp, messages, files));
    const ShownMessage expected = c.window.empty() ? kApplied : ShownMessage{std::string(c.window), 64};
    EXPECT_EQ(messages.shown, std::vector<ShownMessage>{expected});
    EXPECT_FALSE(controls.applyEnabled);
    for (MemoryFileSystem* each : {&engineFiles, &files}) {
      if (!c.written) {
        EXPECT_FALSE(each->exists(kManifest)) << "nothing is written";
        continue;
      }
      ASSERT_TRUE(each->exists(kManifest));
      EXPECT_EQ(each->entries[kManifest].bytes, manifest::BuildManifestText("Çizim.exe", *c.written));
    }
  }
}

struct RiskCase {
  const char* label;
  std::string program;
  std::optional<std::string> manifest;  // at the manifest path beforehand
  bool applyOption;
  std::vector<int> answers;
  std::vector<ShownMessage> shown;
  std::optional<std::string> after;     // at the manifest path afterwards
  bool applyEnabledAfter;
};

// Before the window program replaces or deletes a manifest it did not
// write that the program may need, or hides what the program's own
// manifest needs, it asks, No by default; a manifest that only binds the
// common controls is handled as it always was.
TEST(WindowAsks, BeforeWhatMayStopTheProgram) {
  const std::string x86 = BuildPe({}).bytes;
  const std::string vendor = withCrt("x86");
  const std::string ours = manifest::BuildManifestText("Çizim.exe");
  const std::string foreignOverwrite =
      std::string(kForeignManifestBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (x86)" + std::string(kForeignOverwriteAfter);
  const std::string foreignDelete =
      std::string(kForeignManifestBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (x86)" + std::string(kForeignDeleteAfter);
  const std::string hides = std::string(kHiddenDependenciesBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (x86)" +
                            std::string(kHiddenDependenciesAfter);
  const ShownMessage overwrite{std::string(kOverwriteQuestion), kRiskyQuestion};
  const ShownMessage undone{std::string(kUndoneMessage), 64};
  const std::vector<RiskCase> cases = {
      {"vendor manifest, apply, No", x86, vendor, true, {mb::kAnswerNo}, {{foreignOverwrite, kRiskyQuestion}}, vendor, true},
      {"vendor manifest, apply, Yes", x86, vendor, true, {mb::kAnswerYes},
       {{foreignOverwrite, kRiskyQuestion}, kApplied}, ours, false},
      {"vendor manifest, undo, No", x86, vendor, false, {mb::kAnswerNo}, {{foreignDelete, kRiskyQuestion}}, vendor, true},
      {"vendor manifest, undo, Yes", x86, vendor, false, {mb::kAnswerYes}, {{foreignDelete, kRiskyQuestion}, undone},
       std::nullopt, false},
      {"hand-written manifest binding only the common controls, apply", x86, ours + " ",
       true, {mb::kAnswerYes}, {overwrite, kApplied}, ours, false},
      {"hand-written manifest binding only the common controls, undo: unasked", x86, "<assembly/>", false, {},
       {undone}, std::nullopt, false},
      {"the program's own manifest needs a C runtime, No", BuildPe(PeRecipe{}.withManifest(withCrt("x86"))).bytes,
       std::nullopt, true, {mb::kAnswerNo}, {{hides, kRiskyQuestion}}, std::nullopt, true},
      {"the program's own manifest needs a C runtime, Yes", BuildPe(PeRecipe{}.withManifest(withCrt(""))).bytes,
       std::nullopt, true, {mb::kAnswerYes}, {{hides, kRiskyQuestion}, kApplied}, ours, false},
  };
  for (const RiskCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    files.addFile(kProgram, c.program);
    if (c.manifest) files.addFile(kManifest, *c.manifest);
    RecordingMessageBox messages;
    messages.answers.assign(c.answers.begin(), c.answers.end());
    RecordingControls controls;
    controls.applyOption = c.applyOption;
    cmdUygulaClick(kTarget, controls, on(System::Xp, messages, files));
    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(controls.applyEnabled, c.applyEnabledAfter);
    if (c.after) {
      ASSERT_TRUE(files.exists(kManifest));
      EXPECT_EQ(files.entries[kManifest].bytes, *c.after);
    } else {
      EXPECT_FALSE(files.exists(kManifest));
    }
  }
}

struct WinsCase {
  const char* label;
  System system;
  std::optional<std::uint32_t> preferExternal;
  bool embedded;
  bool sentence;
};

// The success message adds one sentence where this Windows goes by the
// program's own manifest, by the rule kovrena-cli's check uses.
TEST(WindowSays, WhereTheProgramsOwnManifestWins) {
  const std::vector<WinsCase> cases = {
      {"Windows XP", System::Xp, std::nullopt, true, false},
      {"later Windows", System::Server2003Sp1AndLater, std::nullopt, true, true},
      {"later Windows, PreferExternalManifest 1", System::Server2003Sp1AndLater, 1u, true, false},
      {"later Windows, PreferExternalManifest 0", System::Server2003Sp1AndLater, 0u, true, true},
      {"Wine", System::Wine, std::nullopt, true, true},
      {"Wine, no manifest of its own", System::Wine, std::nullopt, false, false},
  };
  for (const WinsCase& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    files.addFile(kProgram, c.embedded ? BuildPe(PeRecipe{}.withManifest(testing::EmbeddedManifestText(false))).bytes
                                       : BuildPe({}).bytes);
    testing::FakeRegistry registry;
    if (c.preferExternal) {
      registry.set(reg::kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SideBySide",
                   "PreferExternalManifest", testing::dwordValue(*c.preferExternal));
    }
    RecordingMessageBox messages;
    RecordingControls controls;
    cmdUygulaClick(kTarget, controls, on(c.system, messages, files, &registry));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kApplied.text + (c.sentence ? std::string(kOwnManifestWinsSentence) : ""));
  }
}

}  // namespace
}  // namespace kovrena::app
