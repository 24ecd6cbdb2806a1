#include "app/program_drop.h"

#include "platform/path_text.h"

namespace kovrena::app {

void ProgramsDropped(AnaFormValues& values, SelectionControls& controls, FileSystem& files,
                     MessageBoxService& messages, const OwnProgram& self, std::span<const std::string> paths) {
  if (paths.empty()) return;
  // Said before the selection's own messages, so that a "not found" that
  // follows is read as the first file's.
  if (paths.size() > 1) messages.show(std::string(kOneProgramAtATimeMessage), mb::kOk | mb::kIconInformation);
  // The file title, as the dialog would give it: the name without the folder.
  const std::string title(FileNameOf(paths.front(), PathStyle::Windows));
  SelectProgram(values, controls, files, messages, self, {paths.front(), title});
}

}  // namespace kovrena::app
