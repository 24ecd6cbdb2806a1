#pragma once
// Which loader rules the running system follows. Where a program carries a
// manifest of its own, the later systems and Wine go by it and ignore the
// file beside it; Windows XP (32-bit, and Server 2003 before its first
// service pack) goes by the file beside it.
namespace kovrena {

enum class System { Xp, Server2003Sp1AndLater, Wine };

struct HostSystem {
  System system = System::Wine;
  // Under Wine: whether it has its 32-bit half (a prefix with syswow64).
  // Without it, an x86 dependency beside a 64-bit program finds no x86
  // assembly to refuse, and the program starts on the system's controls.
  bool wineRuns32Bit = true;
  // From Vista on, Windows keeps what it decided about a program's manifest
  // for each logon session, keyed by the program's full path and its last-
  // write time: a manifest added or removed beside a program that has run
  // since the start counts only once that time changes. XP and Wine keep
  // no such cache.
  bool cachesManifests = false;
  // The system asks the user's consent before a program runs with full
  // rights (UAC, Vista and later), and this process runs without them: what
  // Windows refused it, a process with them may do.
  bool fullRightsOnConsent = false;
};

}  // namespace kovrena
