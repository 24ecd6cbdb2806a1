#pragma once
#include <windows.h>

#include "platform/error.h"

namespace kovrena::win32 {

// The Error a failed Win32 call stands for. ERROR_FILE_NOT_FOUND and
// ERROR_PATH_NOT_FOUND become 53, the one "file not found" number the logic
// knows; every other code is passed on unchanged with the system's own text
// (FormatMessage, trailing line break removed).
Error ErrorFromCode(DWORD code);
inline Error LastError() { return ErrorFromCode(GetLastError()); }

}  // namespace kovrena::win32
