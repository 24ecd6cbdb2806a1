#pragma once
// How a script reads an outcome: done, refused by policy or nothing to do,
// or failed; the worst of a run is kovrena-cli's exit status.
#include <array>
#include <string_view>

#include "outcomes/rows.h"

namespace kovrena::outcomes {

enum class Verdict { Done, Declined, Failed };

inline constexpr int kExitDone = 0;      // every program got what was asked
inline constexpr int kExitFailed = 1;    // at least one failed: not found, or the platform failed
inline constexpr int kExitDeclined = 3;  // none failed, but at least one was refused or needed nothing

struct VerdictRow {
  Verdict value;
  std::string_view json;  // "result" in the JSON document
  int exitCode;
};
inline constexpr std::array<VerdictRow, 3> kVerdicts = {{
    {Verdict::Done, "done", kExitDone},
    {Verdict::Declined, "declined", kExitDeclined},
    {Verdict::Failed, "failed", kExitFailed},
}};
static_assert(RowsInOrder<&VerdictRow::value>(kVerdicts));

constexpr int ExitCodeOf(Verdict verdict) { return RowFor(kVerdicts, verdict).exitCode; }

}  // namespace kovrena::outcomes
