#include "dialogs/help_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kovrena::dialogs {
namespace {

// Characters, not bytes: the Turkish letters take two bytes each in UTF-8.
std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(text.substr(start, at - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(HelpText, HasTheLengthOfItsPiecesAndBreaks) {
  EXPECT_EQ(characterCount(HelpText()), 1132u);
}

// Four paragraphs and a heading, blank lines between them: pinned by their
// lengths in characters, which the text's pieces cannot restate.
TEST(HelpText, HasItsLinesInOrderWithBlankLinesBetween) {
  const std::size_t expectedCharacters[] = {146, 0, 9, 596, 0, 284, 0, 83};
  const std::vector<std::string> lines = splitLines(HelpText());
  ASSERT_EQ(lines.size(), std::size(expectedCharacters));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(characterCount(lines[i]), expectedCharacters[i]) << "line " << i;
  }
}

TEST(HelpText, BreaksLinesOnlyWithCarriageReturnLineFeed) {
  const std::string text = HelpText();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at " << i;
    }
    if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "at " << i;
    }
  }
  EXPECT_EQ(text.substr(0, 3), "Bu ");
  EXPECT_EQ(text.back(), '.');
}

// Each character must be one byte in the Turkish ANSI code page: ASCII or
// one of the twelve Turkish letters.
TEST(HelpText, UsesOnlyCharactersOfTheTurkishCodePage) {
  const std::string_view turkish[] = {"ç", "Ç", "ğ", "Ğ", "ı", "İ", "ö", "Ö", "ş", "Ş", "ü", "Ü"};
  const std::string text = HelpText();
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      EXPECT_TRUE(byte >= 0x20 || byte == '\r' || byte == '\n') << "control at " << i;
      ++i;
      continue;
    }
    bool known = false;
    for (std::string_view letter : turkish) {
      if (text.compare(i, letter.size(), letter) == 0) {
        known = true;
        i += letter.size();
        break;
      }
    }
    ASSERT_TRUE(known) << "unexpected character at byte " << i;
  }
}

TEST(HelpText, KeepsTheTextAsWritten) {
  const std::string_view verbatim[] = {
      "Ön Bilgi kısımanda bahsettiğimiz",
      "özel işlemler değildir.Eğer seçtiğiniz",
      "herhangi bir zaman da yapabilirsiniz.",
      "hatası (bug) değildir.",
      "Ön Bilgi:\r\nWindows XP işletim sistemi,",
      "kazandırılamaz.\r\n\r\nÖn Bilgi:",
  };
  const std::string text = HelpText();
  for (std::string_view piece : verbatim) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece;
  }
}

}  // namespace
}  // namespace kovrena::dialogs
