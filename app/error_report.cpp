#include <string>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "platform/product.h"
#include "text/decimal.h"

namespace kovrena::app {

std::string ErrorReportText(std::string_view headline, std::string_view numberLabel, const Error& error) {
  std::string text(headline);
  text += "\r\n\r\n";
  text += kSupportBefore;
  text += kSupportEmail;
  text += kSupportAfter;
  text += "\r\n\r\n";
  text += numberLabel;
  text += text::SignedDecimal(error.number);
  text += "\r\n";
  text += kDetailsLabel;
  text += error.description;
  return text;
}

void ShowErrorReport(MessageBoxService& messages, std::string_view headline,
                     std::string_view numberLabel, const Error& error) {
  messages.show(ErrorReportText(headline, numberLabel, error), mb::kOk | mb::kIconCritical);
}

}  // namespace kovrena::app
