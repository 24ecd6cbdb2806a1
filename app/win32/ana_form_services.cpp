#include "app/win32/ana_form_services.h"

#include <optional>
#include <string>

#include "platform/path_text.h"
#include "platform/win32/host_system.h"
#include "platform/win32/own_path.h"
#include "platform/win32/text.h"
#include "shaping/win32/form_kes.h"
#include "shaping/win32/window_origin.h"

namespace kovrena::app::win32 {

Services::Services(HWND owner) : dialog(owner), messages(owner), elevation(owner), self(FindOwnProgram()) {}

ManifestServices Services::manifestServices() {
  return ManifestServices{messages, files, kovrena::win32::DetectHostSystem(), &registry, &elevation};
}

OwnProgram FindOwnProgram() {
  const std::wstring path = kovrena::win32::OwnExePath();
  std::wstring_view folder = FolderOf(path, PathStyle::Windows);
  if (!folder.empty()) folder.remove_suffix(1);
  std::wstring name(FileNameOf(path, PathStyle::Windows));
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return OwnProgram{kovrena::win32::ToUtf8(folder), kovrena::win32::ToUtf8(name)};
}

void CutOutline(shaping::win32::PictureControl& pictureZemin, HWND window) {
  // PictureZemin paints its picture itself, unchanged, so the picture as
  // loaded is what it shows: the cut reads it directly, without first
  // freezing a copy of the control's painting, which gives the same outline
  // (the rows and columns the two differ in are surround colour) and keeps
  // one background in memory instead of two. The picture's top-left pixel is
  // the surround colour; a picture the cut cannot use leaves the window
  // rectangular, which is acceptable.
  const std::optional<shaping::PictureOrigin> origin = shaping::win32::PictureOriginFor(pictureZemin.window(), window);
  if (!origin || pictureZemin.image() == nullptr) return;
  static_cast<void>(shaping::win32::CutWindowFromBitmap(
      pictureZemin.image(), window, *origin,
      {shaping::win32::KeyChoice::ReferencePixel, shaping::ScanKind::Peripheral, 0, 0}));
}

}  // namespace kovrena::app::win32
