#pragma once
// What a manifest gives a program: read as the loader reads it, the
// common controls dependency judged against the program's processor.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "program/architecture.h"

namespace kovrena::program {

inline constexpr std::string_view kCommonControlsName = "Microsoft.Windows.Common-Controls";
inline constexpr std::string_view kCommonControlsToken = "6595b64144ccf1df";

struct AssemblyIdentity {
  std::string type;
  std::string name;
  std::string version;
  std::string processorArchitecture;
  std::string publicKeyToken;
  std::string language;
  friend bool operator==(const AssemblyIdentity&, const AssemblyIdentity&) = default;
};

enum class ManifestProblem {
  None,               // a dependency on common controls 6 that binds for this program
  Empty,              // no bytes at all
  NotXml,             // not a well-formed XML document
  TooLarge,           // longer than any manifest: not read
  NotAnAssembly,      // no assembly element (asm.v1 to v3 namespace) with manifestVersion "1.0"
  IdentityIncomplete, // its own assemblyIdentity lacks name, version or type
  NoCommonControlsV6, // a readable manifest that does not ask for common controls 6
  WrongToken,         // asks for them with another publicKeyToken
  NoArchitecture,     // asks for them without a processorArchitecture
  WrongArchitecture,  // asks for them for another processor: the program does not start
};

struct ManifestReading {
  ManifestProblem problem = ManifestProblem::Empty;
  std::string fault;  // NotXml: where and what
  // IdentityIncomplete: what the common controls dependency alone gives,
  // since Wine does not look at the identity.
  ManifestProblem commonControlsAlone = ManifestProblem::None;
  std::optional<AssemblyIdentity> identity;        // the manifest's own
  std::optional<AssemblyIdentity> commonControls;  // the common controls 6 dependency as written
  std::vector<AssemblyIdentity> otherDependencies; // everything else it depends on
};

// Whether the reading found an assembly manifest at all, whatever it binds.
constexpr bool IsAssemblyManifest(ManifestProblem problem) {
  return problem != ManifestProblem::Empty && problem != ManifestProblem::NotXml &&
         problem != ManifestProblem::TooLarge && problem != ManifestProblem::NotAnAssembly;
}

// program: the process the manifest is for. machine tells an ARM64 or other
// program's own processor, for which no manifest architecture exists.
ManifestReading ReadManifest(std::string_view bytes, ManifestArchitecture program, std::uint16_t machine);
// The same, kept on the heap, for a reading that is kept.
std::unique_ptr<ManifestReading> ReadManifestKept(std::string_view bytes, ManifestArchitecture program,
                                                  std::uint16_t machine);

// How a system's loader treats a program with this manifest in force.
enum class Binding {
  CommonControlsV6,  // gets common controls 6
  SystemControls,    // starts with the system's common controls (5.x)
  DoesNotStart,      // refuses to start it (a side-by-side error)
  Uncertain,         // Wine's lenient reader may take a document Windows refuses
};
Binding OnWindows(const ManifestReading& reading);
// Wine 8: measured with its loader, a malformed document aside.
Binding OnWine(const ManifestReading& reading);

}  // namespace kovrena::program
