#include "platform/posix/host_system.h"

#include <sys/stat.h>

#include <cstdlib>

namespace kovrena::posix {

HostSystem HostSystemOfPrefix(const std::string& prefix) {
  HostSystem host;
  host.system = System::Wine;
  // wineboot writes the 32-bit system into syswow64 only where 32-bit Wine
  // ran; a prefix made without it has the folder empty.
  struct stat info {};
  const std::string kernel = prefix + "/drive_c/windows/syswow64/kernel32.dll";
  host.wineRuns32Bit = ::stat(kernel.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  return host;
}

std::string WinePrefixFromEnvironment() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') return prefix;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.wine";
}

}  // namespace kovrena::posix
