#pragma once
// The running program's own file, whatever the length of its path.
#include <string>

namespace kovrena::win32 {

// Its full path; empty where Windows cannot tell it.
std::wstring OwnExePath();

}  // namespace kovrena::win32
