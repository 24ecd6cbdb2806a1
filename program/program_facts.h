#pragma once
// What a program file says about itself, read from its PE headers and
// resources. The reader expects hostile input: every offset and size is
// checked against the file, and a file that does not hold together is
// "not a Windows program", never a crash or a read outside it.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/byte_source.h"
#include "platform/error.h"

namespace kovrena::program {

namespace machine {
inline constexpr std::uint16_t kX86 = 0x014C;
inline constexpr std::uint16_t kX64 = 0x8664;
inline constexpr std::uint16_t kArm64 = 0xAA64;
}  // namespace machine

// The flags of a .NET program's runtime header (IMAGE_COR20_HEADER).
namespace cor {
inline constexpr std::uint32_t kIlOnly = 0x00000001;
inline constexpr std::uint32_t k32BitRequired = 0x00000002;
}  // namespace cor

// The program's own manifest: resource type 24, id 1, first language.
enum class EmbeddedManifest {
  None,
  Unreadable,  // named in the resources, but its bytes lie outside the file or are implausibly many
  WithoutCommonControlsV6,  // a sound manifest that does not ask for them
  WithCommonControlsV6,     // asks for them in a way that binds for this program
  Faulty,                   // not a manifest the loader takes, or a dependency that cannot bind
};

struct ProgramFacts {
  bool windowsProgram = false;  // an image the Windows loader could map
  std::uint16_t machine = 0;    // IMAGE_FILE_MACHINE_*, when windowsProgram
  bool library = false;         // a DLL rather than a program
  EmbeddedManifest embedded = EmbeddedManifest::None;
  std::string embeddedText;     // the embedded manifest's bytes, when they could be read
  bool managed = false;         // a .NET program: it has a readable runtime header
  std::uint32_t corFlags = 0;   // that header's flags, when managed
  friend bool operator==(const ProgramFacts&, const ProgramFacts&) = default;
};

struct ManifestReading;

// The facts of the file; a failure only when the source itself fails. The
// program's own manifest is read to tell what it asks for; ownManifest,
// where given, gets that reading, so that no one needs to read it again
// (none where the program has no readable manifest).
Result<ProgramFacts> ReadProgramFacts(ByteSource& file, std::unique_ptr<ManifestReading>* ownManifest = nullptr);

}  // namespace kovrena::program
