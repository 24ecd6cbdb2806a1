#pragma once
// What follows a change the engine made: the program's time set where
// Windows caches what it read of its manifest, and whether full rights
// could make a refused change.
#include "manifest/examine.h"
#include "manifest/outcome.h"

namespace kovrena::manifest {

// What follows either on the system the services name: a change made to
// take effect now where the system caches manifests (the program's
// last-write time set), a refusal a process with full rights may overcome
// marked as such.
Report AfterChange(const Examined& program, Report report, Services services);

// Whether a manifest written (Applied or Replaced) changes nothing on the
// system the services name, the program's own manifest deciding there.
bool OwnManifestWinsHere(const Report& report, Services services);

}  // namespace kovrena::manifest
