#pragma once
// A registry value as text: the trimming and conversion rules of
// GetKeyValue, applied to the value's stored bytes.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/registry.h"

namespace kovrena::dialogs {

inline constexpr std::string_view kNumberPrefix = "&h";
// A value of 0 bytes has no last unit to look at: the reading fails.
inline constexpr std::int32_t kErrEmptyValue = 5;

// The stored bytes without the last unit when that unit is zero (a
// terminator); all of them otherwise. unit is 1 for bytes, 2 for UTF-16. An
// odd trailing byte of UTF-16 text counts as a unit whose high byte is zero.
Result<std::string> TrimStoredValue(std::string_view bytes, std::size_t unit);

// "&h" and two upper-case hex digits per byte, from the last byte to the first.
std::string NumberText(std::string_view bytes);

// Puts the value into valueText by its type: text (type 1) and numbers
// (type 4) replace it; any other type leaves it as it was. Fails, leaving
// valueText untouched, for a value of 0 bytes.
Status ConvertValue(const RegistryValue& value, std::string& valueText);

}  // namespace kovrena::dialogs
