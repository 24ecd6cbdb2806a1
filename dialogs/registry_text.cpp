#include "dialogs/registry_text.h"

#include <cstdint>

#include "text/hex.h"
#include "text/utf.h"

namespace kovrena::dialogs {

Result<std::string> TrimStoredValue(std::string_view bytes, std::size_t unit) {
  if (bytes.empty()) return Error{kErrEmptyValue, "Kayıt değeri boş"};
  std::string units(bytes);
  if (units.size() % unit != 0) units.append(unit - units.size() % unit, '\0');
  bool lastIsZero = true;
  for (std::size_t i = units.size() - unit; i < units.size(); ++i) {
    if (units[i] != '\0') lastIsZero = false;
  }
  if (lastIsZero) units.resize(units.size() - unit);
  return units;
}

std::string NumberText(std::string_view bytes) {
  std::string number(kNumberPrefix);
  for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
    const auto byte = static_cast<unsigned char>(*it);
    number += text::HexDigit(byte >> 4, text::LetterCase::Upper);
    number += text::HexDigit(byte, text::LetterCase::Upper);
  }
  return number;
}

Status ConvertValue(const RegistryValue& value, std::string& valueText) {
  Result<std::string> kept = TrimStoredValue(value.bytes, reg::UnitBytes(value.type));
  if (!kept) return kept.error();
  if (value.type == reg::kTypeSz) {
    valueText = text::Utf16LeToUtf8(kept.value());
  } else if (value.type == reg::kTypeDword) {
    valueText = NumberText(kept.value());
  }
  return std::nullopt;
}

}  // namespace kovrena::dialogs
