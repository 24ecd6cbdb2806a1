#pragma once
// The engine's commands on an examined program: status, apply and undo.
// They show nothing and name no control: the window program presents the
// outcome in message boxes, kovrena-cli as text and JSON.
#include <cstdint>
#include <optional>

#include "manifest/examine.h"
#include "manifest/outcome.h"

namespace kovrena::manifest {

// What the user has allowed beyond writing and deleting the tool's own
// files, each granted on its own: the window program asks for one when an
// outcome waits for it and runs the command again with what was granted;
// kovrena-cli's --force grants them all.
enum class Consent : std::uint8_t {
  None = 0,
  // Replace a manifest that is there already (the tool's own for this
  // processor included), or delete one the tool did not write.
  ReplaceManifest = 1,
  // Write a manifest that hides the program's own dependencies on XP.
  HideDependencies = 2,
  Given = ReplaceManifest | HideDependencies,
};
constexpr Consent operator|(Consent a, Consent b) {
  return static_cast<Consent>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool Allows(Consent given, Consent asked) {
  return (static_cast<std::uint8_t>(given) & static_cast<std::uint8_t>(asked)) != 0;
}

// The consent an outcome waits for: the same command with it goes on.
// None for every outcome that is final.
Consent AwaitedConsent(Outcome outcome);

Report StatusOf(const Examined& program);

// What applying comes to whatever the user allows: the program is not one
// a manifest beside it could help, or cannot be read. Nothing when it is.
std::optional<Report> ApplyRefusal(const Examined& program);

// Writes the manifest that suits the program's processor beside it.
Report ApplyTo(const Examined& program, Consent consent, Services services);

// Deletes the manifest beside the program.
Report UndoFor(const Examined& program, Consent consent, Services services);

}  // namespace kovrena::manifest
