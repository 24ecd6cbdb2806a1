#include "platform/posix/dos_attrib.h"

#include "text/hex.h"

namespace kovrena::posix {

std::uint32_t parseDosAttrib(std::string_view raw) {
  if (raw.size() < 3 || raw[0] != '0' || (raw[1] != 'x' && raw[1] != 'X')) return 0;
  std::uint32_t value = 0;
  std::size_t digits = 0;
  for (std::size_t i = 2; i < raw.size(); ++i) {
    const int digit = text::HexDigitValue(raw[i]);
    if (digit < 0) break;
    if (++digits > 8) return 0;
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::string formatDosAttrib(std::uint32_t attributes) {
  std::string digits;
  do {
    digits.insert(digits.begin(), text::HexDigit(attributes, text::LetterCase::Lower));
    attributes >>= 4;
  } while (attributes != 0);
  return "0x" + digits;
}

}  // namespace kovrena::posix
