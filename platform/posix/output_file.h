#pragma once
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace kovrena::posix {

// Creates or truncates path for writing; the descriptor is closed when the
// returned file is destroyed, if close() has not done so.
Result<std::unique_ptr<OutputFile>> openOutputFile(const std::string& path);

}  // namespace kovrena::posix
