#include "manifest/manifest_text.h"

#include <array>
#include <string>
#include <string_view>

#include "manifest/text_replace.h"
#include "platform/path_text.h"

namespace kovrena::manifest {

namespace {

// Trailing blanks are part of the document: lines 1, 2, 3, 5 and 6 end in one.
constexpr std::array<std::string_view, 22> kTemplateLines = {
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?> )",
    R"(<assembly )",
    R"(   xmlns="urn:schemas-microsoft-com:asm.v1" )",
    R"(   manifestVersion="1.0">)",
    R"(<assemblyIdentity )",
    R"(    processorArchitecture="x86" )",
    R"(    version="EXEVERSION")",
    R"(    type="win32")",
    R"(    name="EXENAME"/>)",
    R"(    <description>EXEDESCRIBTION</description>)",
    R"(    <dependency>)",
    R"(    <dependentAssembly>)",
    R"(    <assemblyIdentity)",
    R"(         type="win32")",
    R"(         name="Microsoft.Windows.Common-Controls")",
    R"(         version="6.0.0.0")",
    R"(         publicKeyToken="6595b64144ccf1df")",
    R"(         language="*")",
    R"(         processorArchitecture="x86"/>)",
    R"(    </dependentAssembly>)",
    R"(    </dependency>)",
    R"(</assembly>)",
};

std::string templateText() {
  std::string text;
  for (const std::string_view line : kTemplateLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace

std::string BuildManifestText(std::string_view programName) { return BuildManifestText(programName, "x86"); }

std::string BuildManifestText(std::string_view programName, std::string_view architecture) {
  // The architecture goes in before the name, which therefore cannot be
  // mistaken for it.
  std::string text = templateText();
  if (architecture != "x86") {
    text = replaceAll(text, R"(processorArchitecture="x86")",
                      std::string(R"(processorArchitecture=")") + escapeXmlAttribute(architecture) + "\"");
  }
  // The name lands inside a double-quoted attribute: unescaped, a single '&'
  // makes the whole document unreadable to the loader. The later
  // replacements still run over the whole text, the inserted name included.
  text = replaceAll(text, "EXENAME", escapeXmlAttribute(programName));
  text = replaceAll(text, "EXEVERSION", "1.0.0.0");
  return replaceAll(text, "EXEDESCRIBTION", "");
}

std::string ManifestPath(std::string_view targetPath, PathStyle style) {
  return ManifestPath(LoaderPathOf(targetPath, style));
}

std::string ManifestPath(std::string_view targetPath) {
  std::string path(targetPath);
  path += ".manifest";
  return path;
}

}  // namespace kovrena::manifest
