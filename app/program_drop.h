#pragma once
// Files dropped on the main window: the first is selected exactly as if it
// had been chosen in the open-file dialog.
#include <span>
#include <string>
#include <string_view>

#include "app/program_selection.h"

namespace kovrena::app {

inline constexpr std::string_view kOneProgramAtATimeMessage =
    "Aynı anda tek bir program üzerinde çalışılabilir. Bıraktığınız dosyalardan ilki seçildi";

// Full paths in the order the drop lists them; none: nothing happens.
void ProgramsDropped(AnaFormValues& values, SelectionControls& controls, FileSystem& files,
                     MessageBoxService& messages, const OwnProgram& self, std::span<const std::string> paths);

}  // namespace kovrena::app
