#pragma once
// For which processor a program's manifest names the common controls. The
// loader binds a dependency only when its processorArchitecture is the
// process's own or "*"; any other value stops the program from starting.
#include <string_view>

#include "program/program_facts.h"

namespace kovrena::program {

enum class ManifestArchitecture {
  None,   // no manifest the tool writes suits it
  X86,    // a 32-bit process: the window program's manifest, byte for byte
  Amd64,  // a 64-bit x64 process
  Any,    // a .NET program the runtime may start as either: "*"
};

// x86 stays x86 unless it is a .NET program with IL only and without
// 32BITREQUIRED: 64-bit Windows starts that one as a 64-bit process, 32-bit
// Windows as a 32-bit one. ARM64 has no loader here to prove a manifest on,
// so it gets none.
ManifestArchitecture ArchitectureFor(const ProgramFacts& facts);

// The processorArchitecture value: "x86", "amd64", "*"; empty for None.
std::string_view ProcessorArchitectureOf(ManifestArchitecture architecture);

}  // namespace kovrena::program
