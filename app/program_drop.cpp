#include "app/program_drop.h"

#include "platform/path_text.h"

namespace kovrena::app {

std::string FileTitleOf(std::string_view path) { return std::string(FileNameOf(path, PathStyle::Windows)); }

void ProgramsDropped(AnaFormValues& values, SelectionControls& controls, FileSystem& files,
                     MessageBoxService& messages, const OwnProgram& self, std::span<const std::string> paths) {
  if (paths.empty()) return;
  // Said before the selection's own messages, so that a "not found" that
  // follows is read as the first file's.
  if (paths.size() > 1) messages.show(std::string(kOneProgramAtATimeMessage), mb::kOk | mb::kIconInformation);
  SelectProgram(values, controls, files, messages, self, {paths.front(), FileTitleOf(paths.front())});
}

}  // namespace kovrena::app
