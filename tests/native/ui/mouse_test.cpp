#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/click.h"
#include "ui/mouse_buttons.h"
#include "ui/window_move.h"

namespace kovrena::ui {
namespace {

class RecordingMove : public WindowMoveView {
 public:
  void setPointer(Pointer pointer) override { calls.push_back(pointer == Pointer::Move ? "pointer 15" : "pointer 0"); }
  void releaseCapture() override { calls.push_back("release capture"); }
  void runSystemMove() override { calls.push_back("system move"); }
  std::vector<std::string> calls;
};

TEST(WindowMove, StartsOnlyWithTheLeftButtonAlone) {
  struct Row {
    std::uint32_t keyFlags;  // MK_* flags of the mouse message
    int buttonSet;
    bool moves;
  };
  const Row rows[] = {
      {0x0000, 0, false},                 // no button
      {0x0001, kLeftButton, true},        // left
      {0x0002, kRightButton, false},      // right
      {0x0010, kMiddleButton, false},     // middle
      {0x0003, 3, false},                 // left and right
      {0x0011, 5, false},                 // left and middle
      {0x0013, 7, false},                 // all three
      {0x0005, kLeftButton, true},        // left with Shift
      {0x0009, kLeftButton, true},        // left with Control
      {0x0021, kLeftButton, true},        // left with the first extra button
      {0x0040, 0, false},                 // second extra button only
  };
  const std::vector<std::string> move = {"pointer 15", "release capture", "system move", "pointer 0"};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keyFlags);
    const int set = ButtonSetFromKeyFlags(row.keyFlags);
    EXPECT_EQ(set, row.buttonSet);
    RecordingMove view;
    EXPECT_EQ(DragOnMouseMove(set, view), row.moves);
    EXPECT_EQ(view.calls, row.moves ? move : std::vector<std::string>{});
  }
}

TEST(ClickTracker, ClicksOnlyWhatWasPressedAndReleasedOver) {
  enum class T { A, B };
  struct Step {
    enum Kind { Press, Release, CaptureLost } kind;
    std::optional<T> over = {};
    std::optional<T> clicked = {};  // what a release answers
  };
  struct Row {
    const char* name;
    std::vector<Step> steps;
  };
  const Row rows[] = {
      {"press and release over the same target", {{Step::Press, T::A, {}}, {Step::Release, T::A, T::A}}},
      {"released over another target", {{Step::Press, T::A, {}}, {Step::Release, T::B, {}}}},
      {"released over nothing", {{Step::Press, T::A, {}}, {Step::Release, {}, {}}}},
      {"release without a press", {{Step::Release, T::A, {}}}},
      {"pressed over nothing", {{Step::Press, {}, {}}, {Step::Release, {}, {}}}},
      {"one press, one click", {{Step::Press, T::A, {}}, {Step::Release, T::A, T::A}, {Step::Release, T::A, {}}}},
      {"the mouse lost in between", {{Step::Press, T::A, {}}, {Step::CaptureLost}, {Step::Release, T::A, {}}}},
      {"a later press counts", {{Step::Press, T::A, {}}, {Step::Press, T::B, {}}, {Step::Release, T::B, T::B}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ClickTracker<T> click;
    for (const Step& step : row.steps) {
      switch (step.kind) {
        case Step::Press:
          EXPECT_EQ(click.press(step.over), step.over.has_value());
          EXPECT_EQ(click.pressed(), step.over);
          break;
        case Step::Release:
          EXPECT_EQ(click.release(step.over), step.clicked);
          EXPECT_FALSE(click.pressed().has_value());
          break;
        case Step::CaptureLost:
          click.captureLost();
          break;
      }
    }
  }
}

}  // namespace
}  // namespace kovrena::ui
