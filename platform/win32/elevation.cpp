#include "platform/win32/elevation.h"

#include <shellapi.h>

#include "platform/path_text.h"
#include "platform/win32/last_error.h"
#include "platform/win32/own_path.h"
#include "platform/win32/scoped.h"
#include "platform/win32/system_function.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {

namespace {

// The release zip's names. The helper for the window program's own
// processor comes first; the other one is taken where only it was kept.
constexpr const wchar_t* kHelpers[] = {
    sizeof(void*) == 8 ? L"kovrena-cli-x64.exe" : L"kovrena-cli.exe",
    sizeof(void*) == 8 ? L"kovrena-cli.exe" : L"kovrena-cli-x64.exe",
};

std::wstring ownFolder() {
  const std::wstring path = OwnExePath();
  return std::wstring(FolderOf(path, PathStyle::Windows));
}

bool isFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::wstring QuotedArgument(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

Win32Elevation::Win32Elevation(HWND owner) : owner_(owner) {}

std::wstring Win32Elevation::helperPath() {
  const std::wstring folder = ownFolder();
  for (const wchar_t* name : kHelpers) {
    if (isFile(folder + name)) return folder + name;
  }
  return {};
}

bool Win32Elevation::helperPresent() { return !helperPath().empty(); }


Result<ElevatedRun> Win32Elevation::run(const std::vector<std::string>& arguments) {
  const std::wstring helper = helperPath();
  if (helper.empty()) return ErrorFromCode(ERROR_FILE_NOT_FOUND);
  std::wstring parameters;
  for (const std::string& argument : arguments) {
    if (!parameters.empty()) parameters += L' ';
    parameters += QuotedArgument(ToWide(argument));
  }
  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  // No box of the shell's own: a failure comes back as a value.
  start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  start.hwnd = owner_;
  start.lpVerb = L"runas";
  start.lpFile = helper.c_str();
  start.lpParameters = parameters.c_str();
  start.nShow = SW_HIDE;
  // shell32 is loaded for this, not with the program.
  const auto shellExecute = SystemFunction<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
  if (shellExecute == nullptr) return ErrorFromCode(GetLastError());
  if (!shellExecute(&start)) {
    const DWORD code = GetLastError();
    if (code == ERROR_CANCELLED) return ElevatedRun::Refused;
    return ErrorFromCode(code);
  }
  // A short wait without painting: the helper changes one file. Messages
  // are not dispatched meanwhile, so no click can start a second change
  // before the disk is read again.
  const UniqueHandle process(start.hProcess);
  if (process) WaitForSingleObject(process.get(), INFINITE);
  return ElevatedRun::Ended;
}

}  // namespace kovrena::win32
