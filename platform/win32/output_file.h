#pragma once
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace kovrena::win32 {

// Creates a new file at path for binary writing, Hidden from the start and
// without sharing; fails when anything is at the path already. The handle
// is closed when the returned file is destroyed, if close() has not done so.
Result<std::unique_ptr<OutputFile>> createHiddenFile(const std::string& path);

}  // namespace kovrena::win32
