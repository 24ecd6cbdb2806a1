#include "platform/win32/message_box.h"

#include "platform/product.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {

int Win32MessageBox::show(const std::string& text, std::uint32_t style) {
  // A box that cannot be shown returns 0, which no caller takes for Yes.
  return MessageBoxW(owner_, ToWide(text).c_str(), ToWide(kProgramTitle).c_str(), static_cast<UINT>(style));
}

}  // namespace kovrena::win32
