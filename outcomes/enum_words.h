#pragma once
// The names in kovrena-cli's JSON and the Turkish words of what the engine
// reports beside the outcome: one row per value, in the value's order.
#include <array>
#include <string_view>

#include "manifest/outcome.h"
#include "outcomes/rows.h"
#include "outcomes/texts.h"

namespace kovrena::outcomes {

using manifest::ManifestState;
using program::Binding;
using program::EmbeddedManifest;
using program::ManifestArchitecture;
using program::ManifestProblem;

struct ManifestStateRow {
  ManifestState value;
  std::string_view json;
  std::string_view status;  // its status column
  std::string_view check;   // check's "yanındaki manifest" line, before the reading
};
inline constexpr std::array<ManifestStateRow, 5> kManifestStates = {{
    {ManifestState::None, "none", text::kManifestNone, text::kCheckAbsent},
    {ManifestState::Ours, "ours", text::kManifestOurs, text::kCheckOurs},
    {ManifestState::OursOtherArchitecture, "ours-other-architecture", text::kManifestOursOther, text::kCheckOurs},
    {ManifestState::Foreign, "foreign", text::kManifestForeign, text::kCheckForeign},
    {ManifestState::NotAFile, "not-a-file", text::kManifestNotAFile, text::kCheckNotAFile},
}};
static_assert(RowsInOrder<&ManifestStateRow::value>(kManifestStates));

struct EmbeddedRow {
  EmbeddedManifest value;
  std::string_view json;
  std::string_view status;
};
inline constexpr std::array<EmbeddedRow, 5> kEmbeddedManifests = {{
    {EmbeddedManifest::None, "none", text::kEmbeddedNone},
    {EmbeddedManifest::Unreadable, "unreadable", text::kEmbeddedUnreadable},
    {EmbeddedManifest::WithoutCommonControlsV6, "without-v6", text::kEmbeddedNoV6},
    {EmbeddedManifest::WithCommonControlsV6, "with-v6", text::kEmbeddedV6},
    {EmbeddedManifest::Faulty, "faulty", text::kEmbeddedFaulty},
}};
static_assert(RowsInOrder<&EmbeddedRow::value>(kEmbeddedManifests));

struct BindingRow {
  Binding value;
  std::string_view json;
  std::string_view words;
};
inline constexpr std::array<BindingRow, 4> kBindings = {{
    {Binding::CommonControlsV6, "common-controls-v6", text::kBindsV6},
    {Binding::SystemControls, "system-controls", text::kBindsSystem},
    {Binding::DoesNotStart, "does-not-start", text::kDoesNotStart},
    {Binding::Uncertain, "uncertain", text::kUncertain},
}};
static_assert(RowsInOrder<&BindingRow::value>(kBindings));

// What reading a manifest found; check adds the reading's detail after
// the words where there is one to add (see ProblemText).
struct ProblemRow {
  ManifestProblem value;
  std::string_view json;
  std::string_view words;
};
inline constexpr std::array<ProblemRow, 10> kProblems = {{
    {ManifestProblem::None, "none", text::kProblemNone},
    {ManifestProblem::Empty, "empty", text::kProblemEmpty},
    {ManifestProblem::NotXml, "not-xml", text::kProblemNotXml},
    {ManifestProblem::TooLarge, "too-large", text::kProblemTooLarge},
    {ManifestProblem::NotAnAssembly, "not-an-assembly", text::kProblemNotAnAssembly},
    {ManifestProblem::IdentityIncomplete, "identity-incomplete", text::kProblemIdentity},
    {ManifestProblem::NoCommonControlsV6, "no-common-controls-v6", text::kProblemNoV6},
    {ManifestProblem::WrongToken, "wrong-public-key-token", text::kProblemToken},
    {ManifestProblem::NoArchitecture, "no-processor-architecture", text::kProblemNoArchitecture},
    {ManifestProblem::WrongArchitecture, "wrong-processor-architecture", text::kProblemArchitecture},
}};
static_assert(RowsInOrder<&ProblemRow::value>(kProblems));

// The architecture a manifest of the tool names, as a JSON value (null
// where none suits).
struct ArchitectureRow {
  ManifestArchitecture value;
  std::string_view json;
};
inline constexpr std::array<ArchitectureRow, 4> kArchitectures = {{
    {ManifestArchitecture::None, "null"},
    {ManifestArchitecture::X86, "\"x86\""},
    {ManifestArchitecture::Amd64, "\"amd64\""},
    {ManifestArchitecture::Any, "\"*\""},
}};
static_assert(RowsInOrder<&ArchitectureRow::value>(kArchitectures));

}  // namespace kovrena::outcomes
