#include <gtest/gtest.h>

#include <string>

#include "text/decimal.h"
#include "text/hex.h"
#include "text/utf.h"

namespace kovrena::text {
namespace {

// The numbers of the error report and of temporary names read as
// std::to_string writes them, at both ends of their range.
TEST(Decimal, AsToStringWritesThem) {
  for (const std::uint32_t value : {0u, 7u, 10u, 4294967295u}) EXPECT_EQ(Decimal(value), std::to_string(value));
  for (const std::int32_t value : {0, -1, 53, -2147483647 - 1, 2147483647}) {
    EXPECT_EQ(SignedDecimal(value), std::to_string(value));
  }
}

TEST(Hex, DigitsBothWays) {
  for (unsigned value = 0; value < 16; ++value) {
    EXPECT_EQ(HexDigitValue(HexDigit(value, LetterCase::Lower)), static_cast<int>(value));
    EXPECT_EQ(HexDigitValue(HexDigit(value, LetterCase::Upper)), static_cast<int>(value));
  }
  for (const char c : {'g', 'G', ' ', '/', ':', '@', '`', 'x'}) EXPECT_EQ(HexDigitValue(c), -1) << c;
  EXPECT_EQ(HexText(0x8664, 4, LetterCase::Lower), "8664");
  EXPECT_EQ(HexText(0xAA64, 4, LetterCase::Upper), "AA64");
  EXPECT_EQ(HexText(0x1C, 4, LetterCase::Upper), "001C");
  EXPECT_EQ(HexText(0x1234, 2, LetterCase::Upper), "34");
}

struct Utf8Case {
  const char* name;
  std::string bytes;
  bool valid;
  std::string escaped;
  std::size_t length;
};

TEST(Utf8, ValidationEscapingAndLength) {
  const Utf8Case cases[] = {
      {"ascii", "abc", true, "abc", 3},
      {"Turkish letters", "\xC4\xB1\xC5\x9F", true, "\xC4\xB1\xC5\x9F", 2},
      {"four bytes", "\xF0\x9F\x98\x80", true, "\xF0\x9F\x98\x80", 1},
      {"stray byte", "a\xFFz", false, "a\\xFFz", 3},
      {"cut sequence", "\xC3", false, "\\xC3", 1},
      {"overlong slash", "\xC0\xAF", false, "\\xC0\\xAF", 2},
      {"surrogate", "\xED\xA0\x80", false, "\\xED\\xA0\\x80", 3},
      {"above U+10FFFF", "\xF4\x90\x80\x80", false, "\\xF4\\x90\\x80\\x80", 4},
      {"Latin-1 name", "caf\xE9.exe", false, "caf\\xE9.exe", 8},
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.name;
    EXPECT_EQ(EscapeInvalidUtf8(c.bytes), c.escaped) << c.name;
    EXPECT_EQ(Utf8Length(c.bytes), c.length) << c.name;
  }
}

TEST(Utf16, DecodesPairsAndReplacesLoneSurrogates) {
  const auto le = [](std::u16string units) {
    std::string bytes;
    for (const char16_t unit : units) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
  };
  EXPECT_EQ(Utf16LeToUtf8(le(u"Yazılım")), "Yaz\xC4\xB1l\xC4\xB1m");
  EXPECT_EQ(Utf16LeToUtf8(le(u"\U0001F600")), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf16LeToUtf8(le(u"a\xD800z")), "a\xEF\xBF\xBDz");
  EXPECT_EQ(Utf16LeToUtf8(le(u"a\xDC00")), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf16LeToUtf8(std::string("a\0\0\0b", 5)), std::string("a\0", 2));
}

}  // namespace
}  // namespace kovrena::text
