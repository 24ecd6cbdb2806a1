#pragma once
// Manifests as found beside programs and inside them, and what the reader
// makes of each for a 32-bit and a 64-bit x64 program. The native tests pin
// the verdicts; a Wine test runs every variant through Wine's real loader.
#include <string>
#include <vector>

#include "program/manifest_check.h"
#include "manifest/manifest_text.h"
#include "manifest/text_replace.h"

namespace kovrena::testing {

struct ManifestVariant {
  const char* name;
  std::string text;
  program::ManifestProblem forX86;
  program::ManifestProblem forX64;
};

inline std::vector<ManifestVariant> ManifestVariants(const std::string& programName) {
  using program::ManifestProblem;
  using manifest::replaceAll;
  const std::string x86 = manifest::BuildManifestText(programName);
  const std::string any = manifest::BuildManifestText(programName, "*");
  std::string utf16 = "\xFF\xFE";
  for (const char c : any) {
    utf16 += c;
    utf16 += '\0';
  }
  return {
      {"the tool's x86 manifest", x86, ManifestProblem::None, ManifestProblem::WrongArchitecture},
      {"the tool's amd64 manifest", manifest::BuildManifestText(programName, "amd64"),
       ManifestProblem::WrongArchitecture, ManifestProblem::None},
      {"the tool's \"*\" manifest", any, ManifestProblem::None, ManifestProblem::None},
      {"UTF-16 with a byte order mark", utf16, ManifestProblem::None, ManifestProblem::None},
      {"token and name in other letter case",
       replaceAll(replaceAll(any, "6595b64144ccf1df", "6595B64144CCF1DF"), "Microsoft.Windows.Common-Controls",
                  "microsoft.windows.common-controls"),
       ManifestProblem::None, ManifestProblem::None},
      {"without an identity of its own",
       replaceAll(any, "<assemblyIdentity \r\n    processorArchitecture=\"*\" \r\n    version=\"1.0.0.0\"\r\n"
                       "    type=\"win32\"\r\n    name=\"" + programName + "\"/>\r\n", ""),
       ManifestProblem::None, ManifestProblem::None},
      {"empty file", "", ManifestProblem::Empty, ManifestProblem::Empty},
      {"unclosed document", replaceAll(any, "</assembly>", ""), ManifestProblem::NotXml, ManifestProblem::NotXml},
      {"mismatched closing tag", replaceAll(any, "</dependentAssembly>", "</dependentassembly>"),
       ManifestProblem::NotXml, ManifestProblem::NotXml},
      {"the asm.v3 namespace", replaceAll(any, "urn:schemas-microsoft-com:asm.v1", "urn:schemas-microsoft-com:asm.v3"),
       ManifestProblem::None, ManifestProblem::None},
      {"another namespace", replaceAll(any, "urn:schemas-microsoft-com:asm.v1", "urn:example"),
       ManifestProblem::NotAnAssembly, ManifestProblem::NotAnAssembly},
      {"no manifestVersion", replaceAll(any, "manifestVersion=\"1.0\"", ""), ManifestProblem::NotAnAssembly,
       ManifestProblem::NotAnAssembly},
      {"common controls 5", replaceAll(any, "version=\"6.0.0.0\"", "version=\"5.82.0.0\""),
       ManifestProblem::NoCommonControlsV6, ManifestProblem::NoCommonControlsV6},
      {"wrong publicKeyToken", replaceAll(any, "6595b64144ccf1df", "6595b64144ccf1de"), ManifestProblem::WrongToken,
       ManifestProblem::WrongToken},
      {"dependency without processorArchitecture",
       replaceAll(any, "\r\n         processorArchitecture=\"*\"/>", "/>"), ManifestProblem::NoArchitecture,
       ManifestProblem::NoArchitecture},
      {"own identity without a version", replaceAll(any, "    version=\"1.0.0.0\"\r\n", ""),
       ManifestProblem::IdentityIncomplete, ManifestProblem::IdentityIncomplete},
  };
}

}  // namespace kovrena::testing
