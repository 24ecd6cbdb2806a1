#include "app/win32/ana_form_services.h"

#include <string>

#include "dialogs/win32/about_window.h"
#include "dialogs/win32/help_window.h"
#include "platform/win32/process_launcher.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"
#include "shaping/win32/form_kes.h"

namespace kovrena::app::win32 {

namespace {

// Message boxes of the about window: owned by whichever of the program's
// windows is active when the box opens, so that it is modal to it.
class ActiveWindowMessageBox final : public MessageBoxService {
 public:
  int show(const std::string& text, std::uint32_t style, const std::string& title) override {
    return kovrena::win32::Win32MessageBox(GetActiveWindow()).show(text, style, title);
  }
};

}  // namespace

Services::Services(HWND owner) : dialog(owner), messages(owner), self(ownProgram()) {}

OwnProgram ownProgram() {
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
  return OwnProgram{kovrena::win32::toUtf8(folder), kovrena::win32::toUtf8(name)};
}

void cutOutline(shaping::win32::PictureControl& pictureZemin, HWND window) {
  shaping::clsFormKes formKes;
  // The picture's top-left pixel is the surround colour; a picture the cut
  // cannot use leaves the window rectangular, which is acceptable.
  (void)formKes.ReferansPixelÇevreselKes(pictureZemin, window, 0, 0);
}

void showHelpWindow(HWND owner) { dialogs::win32::ShowYardım(owner); }

void showAboutWindow(HWND owner) {
  kovrena::win32::Win32Registry registry;
  kovrena::win32::Win32FileSystem files;
  kovrena::win32::Win32ProcessLauncher launcher;
  dialogs::win32::Win32ShellOpener shell;
  ActiveWindowMessageBox messages;
  dialogs::win32::ShowHakkında(owner, {registry, files, launcher, messages, shell});
}

}  // namespace kovrena::app::win32
