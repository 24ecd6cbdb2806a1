#include "app/program_drop.h"

namespace kovrena::app {

std::string FileTitleOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

void ProgramsDropped(AnaFormValues& values, SelectionControls& controls, FileSystem& files,
                     MessageBoxService& messages, const OwnProgram& self, std::span<const std::string> paths) {
  if (paths.empty()) return;
  // Said before the selection's own messages, so that a "not found" that
  // follows is read as the first file's.
  if (paths.size() > 1) messages.show(std::string(kOneProgramAtATimeMessage), mb::kOk | mb::kIconInformation);
  SelectProgram(values, controls, files, messages, self, {paths.front(), FileTitleOf(paths.front())});
}

}  // namespace kovrena::app
