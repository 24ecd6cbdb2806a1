#pragma once
// The main window's side of choosing a program: its controls as plain
// state and an open-file dialog that answers as the test tells it to.
#include <optional>
#include <string>
#include <vector>

#include "app/program_selection.h"

namespace kovrena::testing {

class ScriptedDialog final : public app::OpenFileDialog {
 public:
  Result<app::OpenFileChoice> show(const app::OpenFileSettings& settings) override {
    seen.push_back(settings);
    if (failure) return *failure;
    return choice;
  }
  app::OpenFileChoice choice;
  std::optional<Error> failure;
  std::vector<app::OpenFileSettings> seen;
};

// All the controls a program's selection touches.
struct FormControls final : app::SelectionControls {
  bool applyEnabled = false;
  bool applySelected = true;
  bool applyOptionEnabled = true;
  bool undoOptionEnabled = true;
  bool undoLabelEnabled = true;
  std::string pathText;

  void setApplyEnabled(bool enabled) override { applyEnabled = enabled; }
  bool applyOptionSelected() const override { return applySelected; }
  void setPathText(const std::string& text) override { pathText = text; }
  void setApplyOptionEnabled(bool enabled) override { applyOptionEnabled = enabled; }
  void setUndoOptionEnabled(bool enabled) override { undoOptionEnabled = enabled; }
  void selectApplyOption() override { applySelected = true; }
  void selectUndoOption() override { applySelected = false; }
  void setUndoLabelEnabled(bool enabled) override { undoLabelEnabled = enabled; }
};

}  // namespace kovrena::testing
