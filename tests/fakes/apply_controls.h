#pragma once
// The controls the apply and undo work touches, as plain state: what the
// user would see of them afterwards.
#include <string>

#include "app/manifest_procedures.h"

namespace kovrena::testing {

class RecordingControls final : public app::ApplyControls {
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
