#pragma once
// Hexadecimal digits, written and read.
#include <cstdint>
#include <string>

namespace kovrena::text {

enum class LetterCase { Lower, Upper };

// The digit of value's lowest four bits.
char HexDigit(unsigned value, LetterCase letters);
// The value of one hex digit of either case; -1 for any other character.
int HexDigitValue(char c);
// value as exactly digits hex digits, most significant first, no prefix.
std::string HexText(std::uint32_t value, int digits, LetterCase letters);

}  // namespace kovrena::text
