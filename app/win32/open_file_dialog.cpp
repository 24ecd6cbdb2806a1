#include "app/win32/open_file_dialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/system_function.h"

namespace kovrena::app::win32 {

using kovrena::win32::ToUtf8;
using kovrena::win32::ToWide;

Result<OpenFileChoice> Win32OpenFileDialog::show(const OpenFileSettings& settings) {
  const std::wstring title = ToWide(settings.title);
  const std::wstring initialFolder = ToWide(settings.initialFolder);
  // Description and pattern, each closed by a NUL, the list by a second one.
  std::wstring filter = ToWide(settings.filterDescription);
  filter.push_back(L'\0');
  filter += ToWide(settings.filterPattern);
  filter.push_back(L'\0');

  const size_t capacity = static_cast<size_t>(settings.maxFileLength) + 1;
  std::vector<wchar_t> file(capacity, L'\0');
  const std::wstring initialName = ToWide(settings.fileName);
  initialName.copy(file.data(), capacity - 1);
  std::vector<wchar_t> fileTitle(capacity, L'\0');

  OPENFILENAMEW request{};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner_;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(capacity);
  request.lpstrFileTitle = fileTitle.data();
  request.nMaxFileTitle = static_cast<DWORD>(capacity);
  request.lpstrInitialDir = initialFolder.c_str();
  request.lpstrTitle = title.c_str();
  request.Flags = OFN_EXPLORER;

  // comdlg32 is loaded when the dialog is first asked for.
  static const auto getOpenFileName =
      kovrena::win32::SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  static const auto extendedError =
      kovrena::win32::SystemFunction<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
  DWORD code = 0;
  if (getOpenFileName == nullptr || extendedError == nullptr) {
    code = GetLastError();
    if (code == 0) code = ERROR_MOD_NOT_FOUND;
  } else {
    if (getOpenFileName(&request)) {
      return OpenFileChoice{ToUtf8(file.data()), ToUtf8(fileTitle.data()), DialogEnd::Chosen};
    }
    code = extendedError();
    if (code == 0) return OpenFileChoice{{}, {}, DialogEnd::Cancelled};
    if (code == FNERR_BUFFERTOOSMALL) return OpenFileChoice{{}, {}, DialogEnd::NameTooLong};
    if (code == FNERR_INVALIDFILENAME) return OpenFileChoice{{}, {}, DialogEnd::NameInvalid};
  }
  return Error{static_cast<std::int32_t>(code), "The file dialog failed", ErrorSource::Win32};
}

}  // namespace kovrena::app::win32
