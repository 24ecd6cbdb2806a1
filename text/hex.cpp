#include "text/hex.h"

namespace kovrena::text {

char HexDigit(unsigned value, LetterCase letters) {
  static constexpr char kLower[] = "0123456789abcdef";
  static constexpr char kUpper[] = "0123456789ABCDEF";
  return (letters == LetterCase::Upper ? kUpper : kLower)[value & 0xFu];
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string HexText(std::uint32_t value, int digits, LetterCase letters) {
  std::string text;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) text += HexDigit(value >> shift, letters);
  return text;
}

}  // namespace kovrena::text
