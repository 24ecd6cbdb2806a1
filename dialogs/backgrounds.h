#pragma once
// The help and about windows' backgrounds: smooth glossy panels, drawn by
// the program when a window opens. As bitmap resources they took 27 KB of
// the executable even reduced to 256 colours with run-length encoded rows;
// the code that draws them in full colour is a few hundred bytes.
#include <cstdint>

namespace kovrena::dialogs {

struct PanelPicture {
  int width = 0;
  int height = 0;
  // Fills width x height pixels, rows top first, each 0x00RRGGBB: the layout
  // of a top-down 32-bit device-independent bitmap.
  void (*draw)(std::uint32_t* pixels) = nullptr;
};

// frmYardım: glossy pink with a bright line along its top edge, 410 x 300.
extern const PanelPicture kHelpBackground;
// frmHakkında: light cyan at the top left, deep blue towards the bottom
// right, lighter edges, 378 x 281.
extern const PanelPicture kAboutBackground;

}  // namespace kovrena::dialogs
