#pragma once
// The few pieces of JSON the command line writes.
#include <string>
#include <string_view>

namespace kovrena::cli {

// A JSON string literal, quotes included. Control characters, quote and
// backslash are escaped; valid UTF-8 is kept as it is; a byte that is not
// part of valid UTF-8 (a Linux file name may hold any) becomes U+FFFD, so
// the document always parses.
std::string JsonString(std::string_view utf8);

}  // namespace kovrena::cli
