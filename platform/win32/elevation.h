#pragma once
// The helper with full rights on Windows: the kovrena-cli.exe that the
// release puts beside the window program, started with the "runas" verb,
// which brings Windows' consent prompt.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/elevation.h"

namespace kovrena::win32 {

class Win32Elevation final : public Elevation {
 public:
  // owner: the window the consent prompt belongs to.
  explicit Win32Elevation(HWND owner);
  bool helperPresent() override;
  Result<ElevatedRun> run(const std::vector<std::string>& arguments) override;

 private:
  // The first of the release's kovrena-cli builds in this program's folder,
  // the one for this program's processor before the other; none: empty.
  std::wstring helperPath();
  HWND owner_;
};

// One argument as the C runtime reads it back from a command line: quoted,
// a quote inside escaped, and the backslashes before a quote doubled.
std::wstring QuotedArgument(const std::wstring& argument);

}  // namespace kovrena::win32
