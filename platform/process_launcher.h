#pragma once
// Starting another program as a separate process that is not waited for.
#include <string>

#include "platform/error.h"

namespace kovrena {

namespace show {
inline constexpr int kNormal = 1;  // a normal window that takes the focus
}  // namespace show

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts exactly the program file at path (UTF-8), never a shorter path
  // that a command line with blanks could be read as. An empty path, or one
  // that names nothing startable, is a failure.
  virtual Status start(const std::string& path, int showCommand) = 0;
};

}  // namespace kovrena
