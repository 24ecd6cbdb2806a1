#pragma once
// check: what each system's loader does with the program, the manifests
// in force, and what decides between them.
#include <optional>

#include "manifest/examine.h"
#include "manifest/outcome.h"
#include "platform/host_system.h"
#include "platform/registry.h"

namespace kovrena::manifest {

Report CheckOf(const Examined& program, Services services);

// What a system's loader does with the program, the manifests in force.
Binding BindingOn(System system, const CheckFindings& findings, const ProgramFacts& facts);

// The manifest in force on a system: the one beside the program on XP (and
// where PreferExternalManifest asks for it), the program's own on the
// later systems and Wine; the other one when only that one exists.
const ManifestReading* InForce(System system, const CheckFindings& findings, bool& fromExternal);

// Whether on this system the program's own manifest wins over the file
// beside it, so that writing that file changes nothing here.
bool OwnManifestWins(System system, std::optional<bool> preferExternal, const ProgramFacts& facts);

// PreferExternalManifest, when it is set; only Windows reads it.
std::optional<bool> PreferExternalManifest(Registry& registry);
// The same on the system the services name: nothing under Wine.
std::optional<bool> PreferExternalManifestOn(Services services);

}  // namespace kovrena::manifest
