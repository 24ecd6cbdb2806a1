#pragma once
// Click of cmdGözat: choose a program with the open-file dialog, check it,
// store it in AnaForm and preselect apply or undo.
#include <string>
#include <string_view>

#include "app/ana_form_values.h"
#include "app/manifest_procedures.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

namespace kovrena::app {

struct OpenFileSettings {
  std::string title;
  std::string filterDescription;
  std::string filterPattern;
  std::string initialFolder;
  std::string fileName;  // emptied before each showing
  int maxFileLength = 0;
  friend bool operator==(const OpenFileSettings&, const OpenFileSettings&) = default;
};

// How the dialog closed: with a file, cancelled, or on a name it could not
// take, which is the user's doing, not a fault.
enum class DialogEnd {
  Chosen,
  Cancelled,
  NameTooLong,  // longer than maxFileLength
  NameInvalid,  // a name no file can have: it names no file
};

struct OpenFileChoice {
  std::string fileName;   // the full path
  std::string fileTitle;  // the name without its folder
  DialogEnd end = DialogEnd::Chosen;
};

class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;
  // Shows the dialog modally; a failure only where the dialog itself failed.
  virtual Result<OpenFileChoice> show(const OpenFileSettings& settings) = 0;
};

// The main window's controls that selection changes, beyond those the engine uses.
class SelectionControls : public ApplyControls {
 public:
  virtual void setApplyOptionEnabled(bool enabled) = 0;  // optXPUygula
  virtual void setUndoOptionEnabled(bool enabled) = 0;   // optGeriAl
  virtual void selectApplyOption() = 0;                  // selects optXPUygula, deselects optGeriAl
  virtual void selectUndoOption() = 0;
  virtual void setUndoLabelEnabled(bool enabled) = 0;    // lblGeriAl
};

// This program's own location, for refusing to work on itself.
struct OwnProgram {
  std::string folder;          // without a closing backslash
  std::string nameWithoutExe;  // the executable's name without ".exe"
};

inline constexpr std::string_view kSelfChosenMessage =
    "Bu programa XP stili uygulamanıza gerek yoktur. Çünkü bu programın geliştirilme aşamasında "
    "denetimlerine XP görünüm desteği verilmiştir";

// Shown when the dialog could not take the name; the number is the
// dialog's maxFileLength.
inline constexpr std::string_view kPathTooLongMessage =
    "Seçtiğiniz dosyanın yolu çok uzun: en çok 260 karakterlik bir yol seçilebilir";

OpenFileSettings ProgramDialogSettings();

void cmdGözatClick(AnaFormValues& values, SelectionControls& controls, OpenFileDialog& dialog,
                   FileSystem& files, MessageBoxService& messages, const OwnProgram& self);

// The selection from a chosen path on, as after the dialog: the checks, the
// stored choice, the preselection and the messages, whoever chose the path.
void SelectProgram(AnaFormValues& values, SelectionControls& controls, FileSystem& files,
                   MessageBoxService& messages, const OwnProgram& self, const OpenFileChoice& choice);

}  // namespace kovrena::app
