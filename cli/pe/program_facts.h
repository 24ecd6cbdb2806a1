#pragma once
// What a program file says about itself, read from its PE headers and
// resources. The reader expects hostile input: every offset and size is
// checked against the file, and a file that does not hold together is
// "not a Windows program", never a crash or a read outside it.
#include <cstdint>

#include "cli/pe/byte_source.h"
#include "platform/error.h"

namespace kovrena::cli {

namespace machine {
inline constexpr std::uint16_t kX86 = 0x014C;
inline constexpr std::uint16_t kX64 = 0x8664;
inline constexpr std::uint16_t kArm64 = 0xAA64;
}  // namespace machine

// The program's own manifest: resource type 24, id 1, first language.
enum class EmbeddedManifest {
  None,
  Unreadable,  // named in the resources, but its bytes lie outside the file or are implausibly many
  WithoutCommonControlsV6,
  WithCommonControlsV6,
};

struct ProgramFacts {
  bool windowsProgram = false;  // an image the Windows loader could map
  std::uint16_t machine = 0;    // IMAGE_FILE_MACHINE_*, when windowsProgram
  bool library = false;         // a DLL rather than a program
  EmbeddedManifest embedded = EmbeddedManifest::None;
  friend bool operator==(const ProgramFacts&, const ProgramFacts&) = default;
};

// The facts of the file; a failure only when the source itself fails.
Result<ProgramFacts> ReadProgramFacts(ByteSource& file);

}  // namespace kovrena::cli
