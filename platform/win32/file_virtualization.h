#pragma once
// On Vista and later a 32-bit program whose manifest names no run level has
// UAC file virtualization on: a standard user's write under Program Files
// lands in the user's VirtualStore and is reported as done. A manifest
// written there is one that Explorer's starts never see, so the programs
// turn virtualization off for themselves and let a denied write be the
// error it is.
#include <windows.h>

namespace kovrena::win32 {

// The two token calls the switch makes, so that its decisions can be shown
// without a token of each kind. Each answers ERROR_SUCCESS or the code the
// call failed with.
class VirtualizationToken {
 public:
  virtual ~VirtualizationToken() = default;
  virtual DWORD query(DWORD& enabled) = 0;
  virtual DWORD set(DWORD enabled) = 0;
};

enum class Virtualization {
  Absent,      // the system has none (XP: the token knows no such information)
  Unknown,     // the token could not be opened or asked: left as it is
  Off,         // off already (an administrator's, or a 64-bit, program)
  TurnedOff,
  Refused,     // on, and the token refused the change: writes stay virtualized
};

Virtualization TurnOffFileVirtualization(VirtualizationToken& token);
// With this process's own token. Reaches only calls XP has as well.
Virtualization TurnOffFileVirtualization();

}  // namespace kovrena::win32
