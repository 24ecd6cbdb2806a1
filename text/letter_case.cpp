#include "text/letter_case.h"

#include <algorithm>
#include <iterator>

#include "text/utf.h"

namespace kovrena::text {

namespace {

// Four bytes a range: the table stays small in the window program too.
struct CaseRange {
  std::uint16_t first;
  std::uint8_t count;  // code points mapped
  std::uint8_t delta;  // index into kDeltas, plus 128: every other code point
};

#include "text/upper_case_table.inc"

// The code point of the valid sequence of length at text[at].
std::uint32_t decode(std::string_view text, std::size_t at, std::size_t length) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(text[at + i])); };
  if (length == 1) return byte(0);
  std::uint32_t code = byte(0) & (0xFFu >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(i) & 0x3F);
  return code;
}

}  // namespace

std::uint32_t UpperCaseOf(std::uint32_t code) {
  if (code >= 0x10000) return code;
  if (code < 0x80) return code >= 'a' && code <= 'z' ? code - ('a' - 'A') : code;
  const auto after = std::upper_bound(std::begin(kUpperCase), std::end(kUpperCase), code,
                                      [](std::uint32_t c, const CaseRange& range) { return c < range.first; });
  if (after == std::begin(kUpperCase)) return code;
  const CaseRange& range = *std::prev(after);
  const std::uint32_t step = (range.delta & 0x80) != 0 ? 2 : 1;
  const std::uint32_t offset = code - range.first;
  if (offset % step != 0 || offset / step >= range.count) return code;
  return (code + kDeltas[range.delta & 0x7F]) & 0xFFFFu;
}

std::string UpperCased(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0) {
      out += text[at++];
      continue;
    }
    if (length == 1) {
      const char c = text[at++];
      out += c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
      continue;
    }
    AppendUtf8(out, UpperCaseOf(decode(text, at, length)));
    at += length;
  }
  return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a == b) return true;
  return UpperCased(a) == UpperCased(b);
}

}  // namespace kovrena::text
