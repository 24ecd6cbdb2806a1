#pragma once
#include "platform/error.h"

namespace kovrena::posix {

// The Error a failed system call stands for. ENOENT and ENOTDIR (no such
// file, or a folder on the way is missing or is a file) become 53, the one
// "file not found" number the logic knows; every other errno is passed on
// with its own number and the system's text for it.
Error errorFromErrno(int code);
// The same for the errno of the call that just failed.
Error lastErrno();

}  // namespace kovrena::posix
