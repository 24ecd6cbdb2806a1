#include "dialogs/registry_text.h"

#include <cstdint>

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

namespace {

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string Utf16LeToUtf8(std::string_view bytes) {
  constexpr std::uint32_t kReplacement = 0xFFFD;
  std::string out;
  out.reserve(bytes.size());
  const std::size_t count = bytes.size() / 2;
  auto unitAt = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8;
  };
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < count) {
      const std::uint32_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low < 0xE000) {
        appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    appendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? kReplacement : unit);
  }
  return out;
}

std::string NumberText(std::string_view bytes) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(kNumberPrefix);
  for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
    const auto byte = static_cast<unsigned char>(*it);
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

Status ConvertValue(const RegistryValue& value, std::string& valueText) {
  Result<std::string> kept = TrimStoredValue(value.bytes, reg::UnitBytes(value.type));
  if (!kept) return kept.error();
  if (value.type == reg::kTypeSz) {
    valueText = Utf16LeToUtf8(kept.value());
  } else if (value.type == reg::kTypeDword) {
    valueText = NumberText(kept.value());
  }
  return std::nullopt;
}

}  // namespace kovrena::dialogs
