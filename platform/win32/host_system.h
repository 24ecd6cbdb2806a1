#pragma once
// Which loader rules this Windows follows, read from the running system.
#include "platform/host_system.h"

namespace kovrena::win32 {

HostSystem DetectHostSystem();

}  // namespace kovrena::win32
