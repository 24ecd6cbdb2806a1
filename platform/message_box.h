#pragma once
// Modal message boxes, reached through an interface so that the logic can be
// driven by a recorder in tests.
#include <cstdint>
#include <string>

namespace kovrena {

// Windows message-box style and answer values; the logic composes them.
namespace mb {
inline constexpr std::uint32_t kOk = 0;
inline constexpr std::uint32_t kYesNo = 4;
inline constexpr std::uint32_t kIconCritical = 16;
inline constexpr std::uint32_t kIconQuestion = 32;
inline constexpr std::uint32_t kIconExclamation = 48;
inline constexpr std::uint32_t kIconInformation = 64;
inline constexpr std::uint32_t kDefaultButton2 = 256;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace mb

// Every box has the same title, the program title; only the text and the
// style vary.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows text (UTF-8, CR LF line breaks) modally; returns the button pressed.
  virtual int show(const std::string& text, std::uint32_t style) = 0;
};

}  // namespace kovrena
