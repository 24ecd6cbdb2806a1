// Programs dragged from Explorer onto the main window: the window takes the
// dropped files as the shell hands them over and gives the first to the
// selection, as if the open-file dialog had chosen it.
#include "app/win32/ana_form.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/program_drop.h"
#include "app/win32/ana_form_services.h"
#include "platform/win32/text.h"
#include "platform/win32/system_function.h"

namespace kovrena::app::win32 {

namespace {

// What ChangeWindowMessageFilter lets through (MSGFLT_ADD), and the message
// the shell's drop brings along with WM_DROPFILES and WM_COPYDATA
// (WM_COPYGLOBALDATA), which the SDK headers do not name.
constexpr DWORD kLetThrough = 1;
constexpr UINT kCopyGlobalData = 0x0049;

}  // namespace

void AnaForm::letDropsThrough() {
  // Run with administrator rights, the window would get no drop from an
  // Explorer without them: Vista and later filter these messages out for it.
  // XP has no such filter, nor the function.
  using ChangeFilter = BOOL WINAPI(UINT, DWORD);
  const auto change = kovrena::win32::SystemFunction<ChangeFilter>(L"user32.dll", "ChangeWindowMessageFilter");
  if (change == nullptr) return;
  for (const UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData}) {
    change(message, kLetThrough);
  }
}

void AnaForm::onDrop(HDROP drop) {
  // shell32 is loaded with the first drop; the window was made to accept
  // files by its style alone, which is all DragAcceptFiles would have set.
  static const auto query = kovrena::win32::SystemFunction<decltype(DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
  static const auto finish = kovrena::win32::SystemFunction<decltype(DragFinish)>(L"shell32.dll", "DragFinish");
  if (query == nullptr || finish == nullptr) return;
  std::vector<std::string> paths;
  // Disabled, the window is under a modal window or message box of its own
  // (or the open-file dialog): what is dropped then is not taken.
  if (IsWindowEnabled(handle())) {
    const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      // Asked for its length first: a dropped path is not cut at MAX_PATH.
      std::wstring path(query(drop, i, nullptr, 0) + 1, L'\0');
      path.resize(query(drop, i, path.data(), static_cast<UINT>(path.size())));
      paths.push_back(kovrena::win32::ToUtf8(path));
    }
  }
  // The drop's memory is the receiver's to free, taken or not, and before
  // any message box runs messages again.
  finish(drop);
  if (paths.empty()) return;
  Services services(handle());
  ProgramsDropped(values_, *this, services.files, services.messages, services.self, paths);
}

}  // namespace kovrena::app::win32
