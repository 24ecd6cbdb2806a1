#include "platform/file_system.h"

#include <utility>

#include "platform/path_text.h"

#include <cstdint>
#include <string>

#include "text/letter_case.h"
#include "text/utf.h"
#include "text/decimal.h"

namespace kovrena {

namespace {

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

std::size_t nameStart(std::string_view path, NameUnits units) {
  return FolderOf(path, units == NameUnits::Utf16 ? PathStyle::Windows : PathStyle::Posix).size();
}

}  // namespace

std::size_t NameLength(std::string_view name, NameUnits units) {
  if (units == NameUnits::Bytes) return name.size();
  std::size_t length = 0;
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t sequence = text::Utf8SequenceLength(name, at);
    // Four bytes of UTF-8 are a surrogate pair in UTF-16.
    length += sequence == 4 ? 2 : 1;
    at += sequence == 0 ? 1 : sequence;
  }
  return length;
}

std::string TemporaryPathFor(std::string_view path, Writer writer, std::uint32_t attempt, NameUnits units,
                             std::size_t longest) {
  std::string ending = ".";
  ending += writer.platform;
  ending += text::Decimal(writer.process);
  ending += '-';
  ending += text::Decimal(attempt);
  ending += kTemporaryEnding;
  const std::size_t start = nameStart(path, units);
  std::string_view name = path.substr(start);
  const std::size_t room = longest > ending.size() ? longest - ending.size() : 1;
  // Whole characters come off the end until the name fits; one is always kept.
  while (NameLength(name, units) > room && name.size() > 1) {
    std::size_t cut = name.size() - 1;
    while (cut > 1 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name = name.substr(0, cut);
  }
  std::string temporary(path.substr(0, start));
  temporary += name;
  temporary += ending;
  return temporary;
}

std::optional<TemporaryName> TemporaryNameOf(std::string_view entry) {
  if (!entry.ends_with(kTemporaryEnding)) return std::nullopt;
  entry.remove_suffix(kTemporaryEnding.size());
  // ".u4711-0" after the name
  const std::size_t dot = entry.find_last_of('.');
  if (dot == std::string_view::npos || dot == 0) return std::nullopt;
  std::string_view rest = entry.substr(dot + 1);
  if (rest.size() < 4 || (rest[0] != 'u' && rest[0] != 'w')) return std::nullopt;
  const char platform = rest[0];
  rest.remove_prefix(1);
  const std::size_t dash = rest.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::optional<std::uint32_t> process = numberOf(rest.substr(0, dash));
  if (!process || !numberOf(rest.substr(dash + 1))) return std::nullopt;
  return TemporaryName{entry.substr(0, dot), Writer{platform, *process}};
}

Result<PathEntry> EntryByLookups(FileSystem& files, const std::string& path) {
  const Result<EntryKind> kind = files.kindOf(path, false);
  if (!kind) return kind.error();
  if (kind.value() != EntryKind::Missing) return PathEntry{path, kind.value()};
  const Result<std::string> found = files.findFile(path, attr::kAnyFileLookup);
  if (!found) return found.error();
  if (found.value().empty()) return PathEntry{path, EntryKind::Missing};
  std::string other = std::string(FolderOf(path, files.style())) + found.value();
  const Result<EntryKind> otherKind = files.kindOf(other, false);
  if (!otherKind) return otherKind.error();
  return PathEntry{std::move(other), otherKind.value()};
}

std::optional<Writer> TemporaryWriterOf(std::string_view name, std::string_view entry) {
  const std::optional<TemporaryName> temporary = TemporaryNameOf(entry);
  if (!temporary) return std::nullopt;
  if (text::SameIgnoringCase(temporary->name, name)) return temporary->writer;
  if (temporary->name.size() < name.size() && text::UpperCased(name).starts_with(text::UpperCased(temporary->name))) {
    return temporary->writer;
  }
  return std::nullopt;
}

}  // namespace kovrena
