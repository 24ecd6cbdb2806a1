#pragma once
// frmHakkında: the about window with its links and the system-information
// button.
#include <windows.h>

#include <array>
#include <optional>

#include "dialogs/about.h"
#include "dialogs/sys_info.h"
#include "dialogs/win32/modal_form.h"
#include "dialogs/win32/picture_background.h"
#include "dialogs/win32/shell_opener.h"
#include "platform/win32/scoped.h"
#include "ui/win32/link_role.h"

namespace kovrena::dialogs::win32 {

// What the window reaches outside itself.
struct AboutServices {
  Registry& registry;
  FileSystem& files;
  ProcessLauncher& launcher;
  MessageBoxService& messages;
  ShellOpener& shell;
  SysInfoLookups lookups = DefaultSysInfoLookups();
};

class frmHakkında final : public ModalForm {
 public:
  explicit frmHakkında(const AboutServices& services);

  // Creates the window, hidden, owned by owner, and runs its load.
  [[nodiscard]] bool create(HWND owner);
  HWND control(AboutControl control) const;
  const LinkHover& hover() const { return mouse_.hover(); }
  bool takeKey(const MSG& message) override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) override;
  std::optional<Link> linkOf(HWND window) const;
  void paint(HDC dc) override;
  void createFonts();
  void createControls();
  void load();
  HFONT fontFor(AboutFont font) const;
  void setUnderline(Link link, bool underlined);
  void follow(Link link);

  AboutServices services_;
  PictureBackground background_;
  std::array<kovrena::win32::UniqueFont, kAboutFonts.size()> fonts_;
  kovrena::win32::UniqueFont linkFontUnderlined_;
  kovrena::win32::UniqueIcon bigIcon_;
  kovrena::win32::UniqueIcon smallIcon_;
  kovrena::win32::UniqueIcon picture_;
  HCURSOR linkPointer_ = nullptr;
  AboutMouse mouse_;
  // Gone before the window, whose links it annotated.
  std::optional<ui::win32::LinkRole> linkRoles_;
};

// Shows a new about window modally over owner (which may be null) and
// discards it when it is closed.
void ShowAboutWindow(HWND owner, const AboutServices& services);
// The same with the system's own registry, files, program start, shell and
// message boxes; the launcher's message is modal to the about window.
void ShowAboutWindow(HWND owner);

}  // namespace kovrena::dialogs::win32
