#include "shaping/win32/picture_control.h"

#include <utility>

namespace kovrena::shaping::win32 {

using kovrena::win32::MemoryDC;
using kovrena::win32::SelectedObject;
using kovrena::win32::UniqueBitmap;
using kovrena::win32::WindowDC;

PictureControl::~PictureControl() {
  if (owned_ && IsWindow(control_) && image() == owned_.get()) {
    SendMessageW(control_, STM_SETIMAGE, IMAGE_BITMAP, 0);
  }
}

HBITMAP PictureControl::image() const {
  return reinterpret_cast<HBITMAP>(SendMessageW(control_, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

bool PictureControl::show(UniqueBitmap shown) {
  const auto previous = reinterpret_cast<HBITMAP>(
      SendMessageW(control_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown.get())));
  const HBITMAP current = image();
  if (current != shown.get()) {
    // Not a bitmap control, or one that refused the picture: nothing changed.
    if (current == nullptr || current == previous) return false;
    // A version-6 static control shows a copy of a bitmap with alpha; the
    // copy is what the next STM_SETIMAGE hands back, so that is the one to own.
    shown.reset(current);
  }
  // The image shown before goes with owned_ when it was ours; one set by
  // someone else stays theirs.
  owned_ = std::move(shown);
  return true;
}

bool ShowSnapshot(PictureControl& picture) {
  RECT client{};
  if (!GetClientRect(picture.window(), &client) || client.right <= 0 || client.bottom <= 0) return false;
  const WindowDC screen(nullptr);
  if (screen.get() == nullptr) return false;
  UniqueBitmap snapshot(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  const MemoryDC target(screen.get());
  if (!snapshot || target.get() == nullptr) return false;
  {
    const SelectedObject selected(target.get(), snapshot.get());
    // The bitmap itself first, in case the control cannot print itself;
    // then the control paints exactly what it shows, background included.
    if (const HBITMAP current = picture.image()) {
      const MemoryDC source(screen.get());
      const SelectedObject sourceSelected(source.get(), current);
      BitBlt(target.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
    }
    SendMessageW(picture.window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.get()),
                 PRF_CLIENT | PRF_ERASEBKGND);
  }
  return picture.show(std::move(snapshot));
}

}  // namespace kovrena::shaping::win32
