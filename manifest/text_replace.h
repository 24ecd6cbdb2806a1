#pragma once
// Plain text helpers of the manifest document.
#include <string>
#include <string_view>

namespace kovrena::manifest {

// Every occurrence of word, searched from the first character and compared
// exactly, replaced by replacement. The scan resumes behind each inserted
// replacement, so inserted text is never matched again.
std::string replaceAll(std::string_view text, std::string_view word, std::string_view replacement);

// The text made safe inside a double-quoted XML attribute: & < > " become
// entity references; everything else, UTF-8 bytes included, is kept.
std::string escapeXmlAttribute(std::string_view text);

}  // namespace kovrena::manifest
