#pragma once
// What AnaForm's handlers reach outside the window: the platform services
// for one command and the window shaping.
#include <windows.h>

#include "app/manifest_procedures.h"
#include "app/program_selection.h"
#include "app/win32/open_file_dialog.h"
#include "platform/win32/elevation.h"
#include "platform/win32/file_system.h"
#include "platform/win32/message_box.h"
#include "platform/win32/registry.h"
#include "shaping/win32/picture_control.h"

namespace kovrena::app::win32 {

// The services one command of the main window works with.
struct Services {
  explicit Services(HWND owner);
  Win32OpenFileDialog dialog;
  kovrena::win32::Win32FileSystem files;
  kovrena::win32::Win32MessageBox messages;
  kovrena::win32::Win32Registry registry;
  kovrena::win32::Win32Elevation elevation;
  OwnProgram self;

  // What the apply button's procedures work with.
  ManifestServices manifestServices();
};

// This program's folder (without a closing backslash) and executable name.
OwnProgram FindOwnProgram();

// Cuts the window's outline from the background picture control, with the
// picture's top-left pixel as the key; the result is deliberately ignored.
void CutOutline(shaping::win32::PictureControl& pictureZemin, HWND window);

}  // namespace kovrena::app::win32
