#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "tests/fakes/message_box.h"

namespace kovrena::app {
namespace {

struct ReportCase {
  const char* label;
  std::string_view headline, numberLabel;
  Error error;
  std::string expected;
};

TEST(ErrorReport, TextIsAssembledPieceByPiece) {
  const std::string support =
      "Aşağıda yazılı hata ile ilgili ayrıntılı bilgileri bize ulaştırırsanız "
      "(destek@drenvik.example) size yardımcı olabiliriz.";
  const std::vector<ReportCase> cases = {
      {"number 75, description D", kApplyHeadline, kNumberLabel, {75, "D"},
       "XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir.\r\n\r\n" + support +
           "\r\n\r\nHata No: 75\r\nHata Ayrıntıları: D"},
      {"negative number keeps its sign", kUndoHeadline, kNumberLabel, {-2147024891, "Erişim engellendi."},
       "XP Stili düzenlemesi geri alınırken hata oluştu, XP stili geri alınamamış olabilir.\r\n\r\n" +
           support + "\r\n\r\nHata No: -2147024891\r\nHata Ayrıntıları: Erişim engellendi."},
      {"smallest number", kApplyHeadline, kNumberLabel, {std::numeric_limits<std::int32_t>::min(), "x"},
       "XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir.\r\n\r\n" + support +
           "\r\n\r\nHata No: -2147483648\r\nHata Ayrıntıları: x"},
      {"zero without padding, empty description", kApplyHeadline, kSelectionNumberLabel, {0, ""},
       "XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir.\r\n\r\n" + support +
           "\r\n\r\n(1)Hata No: 0\r\nHata Ayrıntıları: "},
      {"description shown unchanged, line breaks included", kUndoHeadline, kNumberLabel,
       {53, "Satır bir\r\nsatır iki"},
       "XP Stili düzenlemesi geri alınırken hata oluştu, XP stili geri alınamamış olabilir.\r\n\r\n" +
           support + "\r\n\r\nHata No: 53\r\nHata Ayrıntıları: Satır bir\r\nsatır iki"},
  };
  for (const ReportCase& c : cases) {
    EXPECT_EQ(ErrorReportText(c.headline, c.numberLabel, c.error), c.expected) << c.label;
  }
}

TEST(ErrorReport, ShownOnceAsCriticalBoxTitledKovrena) {
  testing::RecordingMessageBox messages;
  ShowErrorReport(messages, kApplyHeadline, kNumberLabel, Error{75, "D"});
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].style, 16u);
  EXPECT_EQ(messages.shown[0].text, ErrorReportText(kApplyHeadline, kNumberLabel, Error{75, "D"}));
}

}  // namespace
}  // namespace kovrena::app
