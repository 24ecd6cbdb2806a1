#pragma once
// The major and minor numbers of this program's own version record.
#include <optional>

namespace kovrena::dialogs::win32 {

struct ProgramVersion {
  unsigned major = 0;
  unsigned minor = 0;
};

// Read from the running executable's VS_FIXEDFILEINFO; none when the
// executable carries no version record.
[[nodiscard]] std::optional<ProgramVersion> ReadProgramVersion();

}  // namespace kovrena::dialogs::win32
