#pragma once
// Starting a program with CreateProcessW.
#include "platform/process_launcher.h"

namespace kovrena::win32 {

class Win32ProcessLauncher : public ProcessLauncher {
 public:
  Status start(const std::string& path, int showCommand) override;
};

}  // namespace kovrena::win32
