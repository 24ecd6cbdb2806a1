#pragma once
// AnaForm: the shaped main window. A thin view: it turns window messages into
// calls of the main window's logic and the logic's answers into Win32 calls.
#include <windows.h>

#include <map>
#include <memory>

#include "app/ana_form_values.h"
#include "app/picture_buttons.h"
#include "app/program_selection.h"
#include "platform/win32/scoped.h"
#include "shaping/win32/picture_control.h"

namespace kovrena::app::win32 {

class AnaForm final : public SelectionControls, public PictureButtonView {
 public:
  explicit AnaForm(HINSTANCE instance);
  ~AnaForm() override;
  AnaForm(const AnaForm&) = delete;
  AnaForm& operator=(const AnaForm&) = delete;

  // Creates the window and its controls and cuts its outline; false when the
  // window cannot be created.
  bool create();
  void show(int showCommand);
  HWND window() const { return window_; }
  // Keyboard navigation between the controls (Tab, arrows between the options).
  bool translateDialogKey(MSG& message);

  // What the manifest engine and program selection change.
  void setApplyEnabled(bool enabled) override;
  bool applyOptionSelected() const override;
  void setPathText(const std::string& text) override;
  void setApplyOptionEnabled(bool enabled) override;
  void setUndoOptionEnabled(bool enabled) override;
  void selectApplyOption() override;
  void selectUndoOption() override;
  void setUndoLabelEnabled(bool enabled) override;
  void showPicture(PictureButton button, std::string_view resourceName) override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK childProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

  void createControls();
  void createToolTips();
  void subclass(HWND child);
  HWND control(int id) const;
  void enableControl(int id, bool enabled);
  void setBitmap(HWND pictureControl, const wchar_t* resourceName);
  HBRUSH colourFor(HWND child, HDC dc);
  void drawZemin(HDC dc, bool withShape);

  void onCommand(int id, int code);
  void dragWindow();
  void showPopupMenu();
  void openHelp();
  void openAbout();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND zemin_ = nullptr;
  // Owns the pictures PictureZemin shows, the frozen one included.
  std::unique_ptr<shaping::win32::PictureControl> zeminPicture_;
  HWND toolTips_ = nullptr;
  AnaFormValues values_;
  std::unique_ptr<PictureButtons> pictureButtons_;
  HCURSOR pointer_ = nullptr;  // the window's mouse pointer: null = default
  kovrena::win32::UniqueFont font_;
  kovrena::win32::UniqueBrush panelBrush_;
  kovrena::win32::UniqueBrush backgroundBrush_;  // the picture, for transparent labels
  kovrena::win32::UniqueBitmap backgroundForBrush_;
  kovrena::win32::UniquePen shapePen_;
  kovrena::win32::UniqueIcon bigIcon_, smallIcon_;
  kovrena::win32::UniqueMenu popup_;
  HCURSOR handCursor_ = nullptr;  // shared resource cursor: never destroyed
  // Pictures this window set on its picture controls (a static control does
  // not own the bitmap it is given).
  std::map<int, kovrena::win32::UniqueBitmap> pictures_;
  HWND pressed_ = nullptr;  // picture or label under a left button press, for Click
};

}  // namespace kovrena::app::win32
