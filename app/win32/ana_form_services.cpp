#include "app/win32/ana_form_services.h"

#include <string>

#include "platform/win32/text.h"
#include "shaping/win32/form_kes.h"

namespace kovrena::app::win32 {

Services::Services(HWND owner) : dialog(owner), messages(owner), self(FindOwnProgram()) {}

OwnProgram FindOwnProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L'\\');
  std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return OwnProgram{kovrena::win32::ToUtf8(folder), kovrena::win32::ToUtf8(name)};
}

void CutOutline(shaping::win32::PictureControl& pictureZemin, HWND window) {
  shaping::clsFormKes formKes;
  // The picture's top-left pixel is the surround colour; a picture the cut
  // cannot use leaves the window rectangular, which is acceptable.
  static_cast<void>(formKes.ReferansPixelÇevreselKes(pictureZemin, window, 0, 0));
}

}  // namespace kovrena::app::win32
