#pragma once
// Stand-ins for the main window and the message boxes: they record what the
// engine showed and changed, and answer questions as a test tells them to.
// Shared by the engine's tests on every platform.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "manifest/engine.h"
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
  // Runs as each box opens, while the engine waits for it.
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

class RecordingControls final : public manifest::ApplyControls {
 public:
  bool applyEnabled = true;
  bool applyOption = true;
  std::string pathText;
  int enableCalls = 0;

  void setApplyEnabled(bool enabled) override {
    applyEnabled = enabled;
    ++enableCalls;
  }
  bool applyOptionSelected() const override { return applyOption; }
  void setPathText(const std::string& text) override { pathText = text; }
};

}  // namespace kovrena::testing
