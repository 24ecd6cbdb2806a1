#include "app/program_selection.h"

#include <string>

#include "platform/product.h"

namespace kovrena::app {

namespace {

// Steps 1 to 7 of the selection; the caller ends the procedure by the number
// this returns (0 for a finished selection or the self-chosen message).
Error chooseAndCheck(AnaFormValues& values, SelectionControls& controls, OpenFileDialog& dialog,
                     FileSystem& files, MessageBoxService& messages, const OwnProgram& self) {
  const Result<OpenFileChoice> choice = dialog.show(ProgramDialogSettings());
  if (!choice) return choice.error();
  const std::string& chosenPath = choice.value().fileName;

  const Result<std::string> found = files.findFile(chosenPath, attr::kPlainLookup);
  if (!found) return found.error();
  if (found.value().empty()) return Error{kErrFileNotFound, {}};

  // Compared character by character: another letter case is another program.
  if (chosenPath == self.folder + "\\" + self.nameWithoutExe + ".exe") {
    messages.show(std::string(kSelfChosenMessage), mb::kOk | mb::kIconInformation, std::string(kProgramTitle));
    controls.setApplyEnabled(false);
    controls.setPathText("");
    values.targetPath.clear();
    return Error{};
  }

  controls.setApplyEnabled(true);
  values.targetPath = chosenPath;
  values.programName = choice.value().fileTitle;
  controls.setPathText(chosenPath);
  const Result<bool> hasManifest =
      manifest::ManifestFileKontrol(files, manifest::ManifestPath(values.targetPath));
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
  return Error{};
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
  const Error outcome = chooseAndCheck(values, controls, dialog, files, messages, self);
  switch (outcome.number) {
    case 0:
    case kErrDialogCancelled:
      return;
    case kErrFileNotFound:
      messages.show(std::string(manifest::kNotFoundMessage), mb::kOk | mb::kIconInformation,
                    std::string(kProgramTitle));
      controls.setApplyEnabled(false);
      controls.setPathText("");
      return;
    default:
      manifest::ShowErrorReport(messages, manifest::kApplyHeadline, manifest::kSelectionNumberLabel, outcome);
  }
}

}  // namespace kovrena::app
