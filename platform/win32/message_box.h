#pragma once
#include <windows.h>

#include "platform/message_box.h"

namespace kovrena::win32 {

// Message boxes owned by a window, so that they are modal to it, titled with
// the program title.
class Win32MessageBox final : public MessageBoxService {
 public:
  explicit Win32MessageBox(HWND owner = nullptr) : owner_(owner) {}
  void setOwner(HWND owner) { owner_ = owner; }
  int show(const std::string& text, std::uint32_t style) override;

 private:
  HWND owner_;
};

}  // namespace kovrena::win32
