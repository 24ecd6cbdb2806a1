#include "text/decimal.h"

namespace kovrena::text {

namespace {

// Written from the last digit back into a buffer that holds the longest.
std::string digitsOf(std::uint32_t value, bool negative) {
  char digits[11];
  std::size_t at = sizeof digits;
  do {
    digits[--at] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  if (negative) digits[--at] = '-';
  return std::string(digits + at, digits + sizeof digits);
}

}  // namespace

std::string Decimal(std::uint32_t value) { return digitsOf(value, false); }

std::string SignedDecimal(std::int32_t value) {
  // The magnitude as unsigned: the smallest value has no positive twin.
  const bool negative = value < 0;
  return digitsOf(negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value), negative);
}

}  // namespace kovrena::text
