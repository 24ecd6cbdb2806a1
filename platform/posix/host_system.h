#pragma once
// On Linux, Windows programs run under Wine: the prefix they run in tells
// whether Wine has its 32-bit half.
#include <string>

#include "platform/host_system.h"

namespace kovrena::posix {

// prefix: the Wine prefix ($WINEPREFIX, else ~/.wine).
HostSystem HostSystemOfPrefix(const std::string& prefix);
// The prefix Wine would use for this process's environment.
std::string WinePrefixFromEnvironment();

}  // namespace kovrena::posix
