#include "text/decimal.h"

namespace kovrena::text {

std::string Decimal(std::uint32_t value) {
  char digits[10];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  std::string text;
  while (count > 0) text += digits[--count];
  return text;
}

std::string SignedDecimal(std::int32_t value) {
  // The magnitude as unsigned: the smallest value has no positive twin.
  if (value >= 0) return Decimal(static_cast<std::uint32_t>(value));
  return "-" + Decimal(0u - static_cast<std::uint32_t>(value));
}

}  // namespace kovrena::text
