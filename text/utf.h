#pragma once
// UTF-8 and UTF-16: validating, escaping what is not valid, decoding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kovrena::text {

inline constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// The length of the valid UTF-8 sequence at text[at], 0 when there is none:
// no overlong forms, no surrogates, nothing above U+10FFFF. ASCII is 1.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);
bool IsValidUtf8(std::string_view text);
// The text with every byte that is not part of valid UTF-8 written as
// "\xNN" (upper-case digits); valid text comes back unchanged.
std::string EscapeInvalidUtf8(std::string_view text);
// The number of characters of UTF-8 text; a byte outside valid UTF-8
// counts as one.
std::size_t Utf8Length(std::string_view text);

// Appends the code point as UTF-8.
void AppendUtf8(std::string& out, std::uint32_t code);
// UTF-16LE code units to UTF-8; an unpaired surrogate becomes U+FFFD. Zero
// units are kept: they are characters of the text like any other. An odd
// last byte is left out.
std::string Utf16LeToUtf8(std::string_view bytes);

}  // namespace kovrena::text
