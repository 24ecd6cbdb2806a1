#pragma once
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace kovrena::win32 {

// Creates or truncates path for binary writing, without sharing; the handle
// is closed when the returned file is destroyed, if close() has not done so.
Result<std::unique_ptr<OutputFile>> openOutputFile(const std::string& path);

}  // namespace kovrena::win32
