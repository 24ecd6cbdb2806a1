#include "platform/file_system.h"

#include <cstdint>
#include <string>

namespace kovrena {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (lowerAscii(text[i]) != lowerAscii(prefix[i])) return false;
  }
  return true;
}

// A run of decimal digits that fits 32 bits, nothing else.
std::optional<std::uint32_t> numberOf(std::string_view digits) {
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::string TemporaryPathFor(std::string_view path, Writer writer, std::uint32_t attempt) {
  std::string temporary(path);
  temporary += '.';
  temporary += writer.platform;
  temporary += std::to_string(writer.process);
  temporary += '-';
  temporary += std::to_string(attempt);
  temporary += kTemporaryEnding;
  return temporary;
}

std::optional<Writer> TemporaryWriterOf(std::string_view name, std::string_view entry) {
  if (!startsIgnoringCase(entry, name) || !entry.ends_with(kTemporaryEnding)) return std::nullopt;
  std::string_view rest = entry.substr(name.size(), entry.size() - name.size() - kTemporaryEnding.size());
  // ".u4711-0"
  if (rest.size() < 5 || rest[0] != '.' || (rest[1] != 'u' && rest[1] != 'w')) return std::nullopt;
  const char platform = rest[1];
  rest.remove_prefix(2);
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::optional<std::uint32_t> process = numberOf(rest.substr(0, dash));
  if (!process || !numberOf(rest.substr(dash + 1))) return std::nullopt;
  return Writer{platform, *process};
}

}  // namespace kovrena
