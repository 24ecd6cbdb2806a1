#pragma once
// A click as the windows know it: the left button pressed over a target,
// which then holds the mouse, and released over that same target.
#include <optional>
#include <utility>

namespace kovrena::ui {

template <class Target>
class ClickTracker {
 public:
  // The left button went down over target (none: over nothing that clicks).
  // True when a target was pressed: it takes the mouse until the release.
  bool press(std::optional<Target> target) {
    pressed_ = target;
    return pressed_.has_value();
  }
  // The left button came up over `over`: the target clicked, when that is
  // the one pressed. Either way nothing is pressed afterwards.
  std::optional<Target> release(std::optional<Target> over) {
    const std::optional<Target> pressed = std::exchange(pressed_, std::nullopt);
    if (pressed.has_value() && pressed == over) return pressed;
    return std::nullopt;
  }
  // The mouse went elsewhere while the button was down: no click follows.
  void captureLost() { pressed_.reset(); }
  // The target that holds the mouse, if any.
  const std::optional<Target>& pressed() const { return pressed_; }

 private:
  std::optional<Target> pressed_;
};

}  // namespace kovrena::ui
