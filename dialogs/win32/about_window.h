#pragma once
// frmHakkında: the about window with its links and the system-information
// button.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/about.h"
#include "dialogs/sys_info.h"
#include "dialogs/win32/picture_background.h"
#include "dialogs/win32/shell_opener.h"
#include "platform/win32/scoped.h"

namespace kovrena::dialogs::win32 {

// What the window reaches outside itself.
struct HakkındaServices {
  Registry& registry;
  FileSystem& files;
  ProcessLauncher& launcher;
  MessageBoxService& messages;
  ShellOpener& shell;
  SysInfoLookups lookups = DefaultSysInfoLookups();
};

class frmHakkında {
 public:
  explicit frmHakkında(const HakkındaServices& services);
  ~frmHakkında();
  frmHakkında(const frmHakkında&) = delete;
  frmHakkında& operator=(const frmHakkında&) = delete;

  // Creates the window, hidden, owned by owner, and runs its load.
  bool create(HWND owner);
  HWND handle() const { return window_; }
  // A control by its design name ("cmdOK", "emailgönder", ...); null if unknown.
  HWND control(std::string_view name) const;
  bool closed() const { return closed_; }
  const LinkHover& hover() const { return hover_; }

 private:
  struct Control {
    const ControlDesign* design;
    HWND window;
  };

  static bool registerClass();
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createFonts();
  void createControls();
  void createTooltips();
  void load();
  void paint(HDC dc);
  HFONT fontFor(const FontDesign* design) const;
  const Control* controlOf(HWND window) const;
  HWND linkWindow(Link link) const;
  std::optional<Link> linkAt(int x, int y) const;
  void onMouseMove(int x, int y);
  void setUnderline(Link link, bool underlined);
  void follow(Link link);

  HakkındaServices services_;
  HWND window_ = nullptr;
  HWND lastFocus_ = nullptr;
  std::vector<Control> controls_;
  PictureBackground background_;
  kovrena::win32::UniqueFont windowFont_;
  kovrena::win32::UniqueFont verdana_;
  kovrena::win32::UniqueFont linkFont_;
  kovrena::win32::UniqueFont linkFontUnderlined_;
  kovrena::win32::UniqueIcon bigIcon_;
  kovrena::win32::UniqueIcon smallIcon_;
  kovrena::win32::UniqueIcon picture_;
  HCURSOR linkPointer_ = nullptr;
  std::vector<std::wstring> tooltipTexts_;
  LinkHover hover_;
  std::optional<Link> pressed_;
  bool closed_ = false;
};

// Shows a new about window modally over owner (which may be null) and
// discards it when it is closed.
void ShowHakkında(HWND owner, const HakkındaServices& services);
// The same with the system's own registry, files, program start, shell and
// message boxes; the launcher's message is modal to the about window.
void ShowHakkında(HWND owner);

}  // namespace kovrena::dialogs::win32
