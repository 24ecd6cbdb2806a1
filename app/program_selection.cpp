#include "app/program_selection.h"

#include <string>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "manifest/manifest_file.h"
#include "manifest/manifest_text.h"

namespace kovrena::app {

namespace {

// A choice that cannot be worked on: said why, and the path field emptied
// so that "Uygula" waits for a new one.
void refuseChoice(SelectionControls& controls, MessageBoxService& messages, std::string_view why) {
  messages.show(std::string(why), mb::kOk | mb::kIconInformation);
  controls.setApplyEnabled(false);
  controls.setPathText("");
}

// The selection after the dialog: the checks, storing the choice and
// preselecting apply or undo. A failure stops it and is returned, for the
// caller to end the procedure with; a program not there, or the program
// itself, ends it with its message.
Status checkAndStore(AnaFormValues& values, SelectionControls& controls, FileSystem& files,
                     MessageBoxService& messages, const OwnProgram& self, const OpenFileChoice& choice) {
  const std::string& chosenPath = choice.fileName;

  const Result<std::string> found = files.findFile(chosenPath, attr::kPlainLookup);
  if (!found) return found.error();
  if (found.value().empty()) {
    refuseChoice(controls, messages, kNotFoundMessage);
    return std::nullopt;
  }

  // Compared character by character: another letter case is another program.
  if (chosenPath == self.folder + "\\" + self.nameWithoutExe + ".exe") {
    messages.show(std::string(kSelfChosenMessage), mb::kOk | mb::kIconInformation);
    controls.setApplyEnabled(false);
    controls.setPathText("");
    values.targetPath.clear();
    return std::nullopt;
  }

  controls.setApplyEnabled(true);
  values.targetPath = chosenPath;
  values.programName = choice.fileTitle;
  controls.setPathText(chosenPath);
  // The manifest the loader reads, as the engine names it.
  const Result<bool> hasManifest = manifest::ManifestFileKontrol(
      files, manifest::ManifestPath(values.targetPath, PathStyle::Windows));
  if (!hasManifest) return hasManifest.error();

  if (hasManifest.value()) {
    controls.setApplyOptionEnabled(false);
    controls.setUndoOptionEnabled(true);
    controls.selectUndoOption();
    controls.setUndoLabelEnabled(true);
  } else {
    controls.setUndoOptionEnabled(false);
    controls.setApplyOptionEnabled(true);
    controls.selectApplyOption();
    controls.setUndoLabelEnabled(false);
  }
  return std::nullopt;
}

// Ends the selection by its failure: a program or folder gone meanwhile is
// a choice that cannot be worked on, anything else is reported.
void endSelection(SelectionControls& controls, MessageBoxService& messages, const Status& failure) {
  if (!failure) return;
  if (IsNotFound(*failure)) return refuseChoice(controls, messages, kNotFoundMessage);
  ShowErrorReport(messages, kApplyHeadline, kSelectionNumberLabel, *failure);
}

}  // namespace

OpenFileSettings ProgramDialogSettings() {
  OpenFileSettings settings;
  settings.title = "Programı Seçiniz";
  settings.filterDescription = "Çalıştırılabilir Dosyalar (*.exe) ";
  settings.filterPattern = "*.exe";
  // The quotes are part of the value.
  settings.initialFolder = "\"D:\\Program Files\"";
  settings.fileName = "";
  settings.maxFileLength = 260;
  return settings;
}

void cmdGözatClick(AnaFormValues& values, SelectionControls& controls, OpenFileDialog& dialog,
                   FileSystem& files, MessageBoxService& messages, const OwnProgram& self) {
  const Result<OpenFileChoice> choice = dialog.show(ProgramDialogSettings());
  if (!choice) return endSelection(controls, messages, choice.error());
  switch (choice.value().end) {
    case DialogEnd::Chosen: return SelectProgram(values, controls, files, messages, self, choice.value());
    case DialogEnd::Cancelled: return;
    case DialogEnd::NameTooLong: return refuseChoice(controls, messages, kPathTooLongMessage);
    case DialogEnd::NameInvalid: return refuseChoice(controls, messages, kNotFoundMessage);
  }
}

void SelectProgram(AnaFormValues& values, SelectionControls& controls, FileSystem& files,
                   MessageBoxService& messages, const OwnProgram& self, const OpenFileChoice& choice) {
  endSelection(controls, messages, checkAndStore(values, controls, files, messages, self, choice));
}

}  // namespace kovrena::app
