#pragma once
// The engine's commands on an examined program: status, apply and undo.
// They show nothing and name no control: the window program presents the
// outcome in message boxes, kovrena-cli as text and JSON.
#include <optional>

#include "manifest/examine.h"
#include "manifest/outcome.h"

namespace kovrena::manifest {

// What the user has allowed beyond the tool's own files: to replace or
// delete a manifest the tool did not write, or to hide the program's own
// dependencies on XP. kovrena-cli's --force; the window program's Yes.
enum class Consent { None, Given };

Report StatusOf(const Examined& program);

// What applying comes to whatever the user allows: the program is not one
// a manifest beside it could help, or cannot be read. Nothing when it is.
std::optional<Report> ApplyRefusal(const Examined& program);

// Writes the manifest that suits the program's processor beside it.
Report ApplyTo(const Examined& program, Consent consent, Services services);

// Deletes the manifest beside the program.
Report UndoFor(const Examined& program, Consent consent, Services services);

}  // namespace kovrena::manifest
