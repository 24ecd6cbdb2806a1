#pragma once
// Reading an application manifest just far enough to answer one question.
#include <string_view>

namespace kovrena::cli {

// True when the document declares a dependency on the common controls,
// version 6 (any 6.x): an assemblyIdentity named
// Microsoft.Windows.Common-Controls inside dependency/dependentAssembly.
// Comments, CDATA and processing instructions are skipped; namespace
// prefixes are ignored; UTF-8 (with or without BOM) and UTF-16 are read.
// Malformed text is read as far as it goes and never read past its end.
bool AsksForCommonControlsV6(std::string_view document);

}  // namespace kovrena::cli
