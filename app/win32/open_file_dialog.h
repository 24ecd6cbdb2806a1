#pragma once
#include <windows.h>

#include "app/program_selection.h"

namespace kovrena::app::win32 {

// The common open-file dialog, shown modally over the owner.
class Win32OpenFileDialog final : public OpenFileDialog {
 public:
  explicit Win32OpenFileDialog(HWND owner) : owner_(owner) {}
  Result<OpenFileChoice> show(const OpenFileSettings& settings) override;

 private:
  HWND owner_;
};

}  // namespace kovrena::app::win32
