#pragma once
// A change Windows refused the window program (access denied), made again
// with full rights: kovrena-cli beside it runs the same engine on the same
// program with the same consent after Windows' consent prompt, and what it
// did is read from the disk afterwards.
#include <string>
#include <string_view>
#include <vector>

#include "app/manifest_procedures.h"
#include "manifest/commands.h"

namespace kovrena::app {

// The change the user chose, with the consent given to its questions.
struct ChosenChange {
  bool apply = true;  // else undo
  manifest::Consent consent = manifest::Consent::None;
};

// kovrena-cli's command line for it: its --force grants what the window's
// Yes granted (and what else the change may meet on the way).
std::vector<std::string> HelperArguments(const std::string& path, ChosenChange change);

// Where full rights may overcome the refusal report holds, and the user
// wants them, has the helper make the change and puts in report what the
// disk shows afterwards; otherwise report stays the refusal it is. False
// where the hand-over ended the click with a message of its own.
bool WithFullRights(manifest::Report& report, const Target& target, ChosenChange change,
                    const ManifestServices& services);

}  // namespace kovrena::app
