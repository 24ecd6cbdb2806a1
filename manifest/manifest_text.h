#pragma once
// The manifest document the tool writes, and where it goes.
#include <string>
#include <string_view>

#include "platform/path_text.h"

namespace kovrena::manifest {

// The manifest text for a program name (UTF-8, CR LF line ends), for an
// x86 program.
std::string BuildManifestText(std::string_view programName);

// The same document with both processorArchitecture values set to
// architecture ("amd64", "*"); "x86" gives the bytes above.
std::string BuildManifestText(std::string_view programName, std::string_view architecture);

// The target path followed directly by ".manifest".
std::string ManifestPath(std::string_view targetPath);
// The manifest the loader reads for the program a path of this style
// opens: on Windows without the dots and blanks Win32 drops from its end.
std::string ManifestPath(std::string_view targetPath, PathStyle style);

}  // namespace kovrena::manifest
