#pragma once
// The one critical message box in which program selection, applying and
// undoing show an unexpected failure.
#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/message_box.h"

namespace kovrena::app {

std::string ErrorReportText(std::string_view headline, std::string_view numberLabel, const Error& error);
void ShowErrorReport(MessageBoxService& messages, std::string_view headline, std::string_view numberLabel,
                     const Error& error);

}  // namespace kovrena::app
