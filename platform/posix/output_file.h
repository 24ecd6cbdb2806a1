#pragma once
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace kovrena::posix {

// Creates a new file at path for writing, with user.DOSATTRIB set to Hidden
// before a byte is written; fails when anything (a link included) is at the
// path already, or when the file system cannot keep the attribute, and then
// leaves nothing behind. The descriptor is closed when the returned file is
// destroyed, if close() has not done so.
Result<std::unique_ptr<OutputFile>> createHiddenFile(const std::string& path);

}  // namespace kovrena::posix
