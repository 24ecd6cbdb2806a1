#pragma once
// AnaForm: the shaped main window. A thin view: it turns window messages into
// calls of the main window's logic (program selection, the engine, the
// chrome) and the logic's answers into Win32 calls; its design is the
// platform-free table in app/ana_form_design.h.
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/ana_form_design.h"
#include "app/ana_form_values.h"
#include "app/chrome.h"
#include "app/program_selection.h"
#include "platform/win32/scoped.h"
#include "shaping/win32/picture_control.h"
#include "ui/win32/system_move.h"
#include "ui/win32/window.h"

namespace kovrena::app::win32 {

// How many picture controls the design has, and where each one's place is
// among them: -1 for a control that is not a picture.
inline constexpr std::size_t kPictureCount = [] {
  std::size_t count = 0;
  for (const ControlDesign& design : kAnaFormControls) count += design.kind == ControlKind::Picture ? 1 : 0;
  return count;
}();
constexpr int PictureSlot(AnaFormControl id) {
  int slot = 0;
  for (const ControlDesign& design : kAnaFormControls) {
    if (design.kind != ControlKind::Picture) continue;
    if (design.id == id) return slot;
    ++slot;
  }
  return -1;
}

class AnaForm final : public ui::win32::Window, public SelectionControls, public ChromeView {
 public:
  AnaForm();
  // Out of line: defined once, not in every file that destroys a window.
  ~AnaForm() override;

  // Creates the window and its controls and cuts its outline; false when the
  // window cannot be created.
  [[nodiscard]] bool create();
  void show(int showCommand);

  // What the manifest engine and program selection change.
  void setApplyEnabled(bool enabled) override;
  bool applyOptionSelected() const override;
  void setPathText(const std::string& text) override;
  void setApplyOptionEnabled(bool enabled) override;
  void setUndoOptionEnabled(bool enabled) override;
  void selectApplyOption() override;
  void selectUndoOption() override;
  void setUndoLabelEnabled(bool enabled) override;

  // What the chrome does.
  void showPicture(PictureButton button, std::string_view resourceName) override;
  void captureMouse(AnaFormControl control) override;
  void releaseMouse(AnaFormControl control) override;
  void minimise() override;
  void close() override;
  void showPopupMenu(MenuPlace place) override;
  void showHelp() override;
  void showAbout() override;

 private:
  bool takeKey(const MSG& message) override;
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT onChildMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT zeminMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT controlMessage(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

  void createControls();
  void createPopupMenu();
  HWND control(AnaFormControl id) const;
  void enableControl(AnaFormControl id, bool enabled);
  void showBitmap(AnaFormControl id, std::string_view resourceName);
  HBRUSH colourFor(HWND child, HDC dc);
  void drawZemin(HDC dc, bool withShape);
  void onCommand(int id, int code);
  bool restoreFocus();
  static void letDropsThrough();
  void onDrop(HDROP drop);

  AnaFormValues values_;
  ui::win32::SystemMove move_;
  Chrome chrome_;
  HWND zemin_ = nullptr;
  // Own the pictures the picture controls show, PictureZemin's frozen one
  // included (a static control does not own the bitmap it is given).
  std::unique_ptr<shaping::win32::PictureControl> zeminPicture_;
  // The picture controls in the order the design lists them (PictureSlot).
  std::array<std::optional<shaping::win32::PictureControl>, kPictureCount> pictures_;
  kovrena::win32::UniqueFont font_;
  kovrena::win32::UniqueBrush panelBrush_;
  kovrena::win32::UniqueBrush backgroundBrush_;  // the picture, for transparent labels
  kovrena::win32::UniquePen shapePen_;
  kovrena::win32::UniqueIcon bigIcon_, smallIcon_;
  kovrena::win32::UniqueMenu popup_;
  HCURSOR handCursor_ = nullptr;  // shared resource cursor: never destroyed
  HWND lastFocus_ = nullptr;      // the control that had the focus as the window went inactive
};

}  // namespace kovrena::app::win32
