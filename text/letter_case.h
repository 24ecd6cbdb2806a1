#pragma once
// Letter case as Windows and Wine compare file names: each UTF-16 unit
// upper-cased on its own by the simple mapping, with no locale and no
// normalisation, where the capital lowers to the letter again ("ç" is "Ç";
// "ı" is not "I", which lowers to "i"; "İ" is not "i"; final "ς" is not
// "Σ"). Characters beyond the Basic Multilingual Plane compare exactly, as
// a pair of surrogates does there.
#include <cstdint>
#include <string>
#include <string_view>

namespace kovrena::text {

// The simple upper-case form of a code point; itself when it has none.
std::uint32_t UpperCaseOf(std::uint32_t code);
// UTF-8 text with every character upper-cased; bytes outside valid UTF-8
// are kept as they are. Two names are the same name for the system when
// their upper-cased forms are equal.
std::string UpperCased(std::string_view text);
bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kovrena::text
