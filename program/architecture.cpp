#include "program/architecture.h"

namespace kovrena::program {

ManifestArchitecture ArchitectureFor(const ProgramFacts& facts) {
  if (!facts.windowsProgram || facts.library) return ManifestArchitecture::None;
  switch (facts.machine) {
    case machine::kX86: {
      const bool anyCpu =
          facts.managed && (facts.corFlags & cor::kIlOnly) != 0 && (facts.corFlags & cor::k32BitRequired) == 0;
      return anyCpu ? ManifestArchitecture::Any : ManifestArchitecture::X86;
    }
    case machine::kX64: return ManifestArchitecture::Amd64;
    default: return ManifestArchitecture::None;
  }
}

std::string_view ProcessorArchitectureOf(ManifestArchitecture architecture) {
  switch (architecture) {
    case ManifestArchitecture::X86: return "x86";
    case ManifestArchitecture::Amd64: return "amd64";
    case ManifestArchitecture::Any: return "*";
    case ManifestArchitecture::None: break;
  }
  return {};
}

}  // namespace kovrena::program
