#pragma once
// A stand-in for the message boxes: it records what was shown and answers
// questions as a test tells it to.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace kovrena::testing {

struct ShownMessage {
  std::string text;
  std::uint32_t style = 0;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingMessageBox final : public MessageBoxService {
 public:
  // Answers to Yes/No questions, in order; a question without a queued
  // answer is answered No, which is the safe default of every question.
  std::deque<int> answers;
  std::vector<ShownMessage> shown;
  // Runs as each box opens, while the caller waits for it.
  std::function<void()> onShow;

  int show(const std::string& text, std::uint32_t style) override {
    shown.push_back({text, style});
    if (onShow) onShow();
    if ((style & 0x0Fu) != mb::kYesNo) return mb::kAnswerOk;
    if (answers.empty()) return mb::kAnswerNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace kovrena::testing
