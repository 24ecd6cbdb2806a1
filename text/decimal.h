#pragma once
// Numbers as the user reads them in messages and names.
#include <cstdint>
#include <string>

namespace kovrena::text {

// The decimal digits of value, no leading zeros: what std::to_string
// gives, made in one place rather than copied into every caller of the
// window program, and in 32 bits, which is all any caller needs (64-bit
// division would bring its own routines into the 32-bit program).
std::string Decimal(std::uint32_t value);
// The same with a minus sign before a negative value.
std::string SignedDecimal(std::int32_t value);

}  // namespace kovrena::text
