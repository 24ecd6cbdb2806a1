#pragma once
// Fakes that record what the user of the main window would see.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/picture_buttons.h"
#include "app/program_selection.h"

namespace kovrena::test {

struct ShownMessage {
  std::string text;
  std::uint32_t style;
};

class RecordingMessages : public MessageBoxService {
 public:
  int show(const std::string& text, std::uint32_t style) override {
    shown.push_back({text, style});
    return answer;
  }
  std::vector<ShownMessage> shown;
  int answer = mb::kAnswerOk;
};

// Files and folders by full path; the attributes decide what each lookup sees.
class MemoryFiles : public FileSystem {
 public:
  void addFile(const std::string& path, std::uint32_t attributes = attr::kArchive) { files[path] = attributes; }
  void addFolder(const std::string& path) { folders.insert(path); }

  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override {
    if (lookupFailure) return *lookupFailure;
    const auto it = files.find(path);
    if (it == files.end()) return std::string();
    const std::uint32_t hiding = it->second & (attr::kHidden | attr::kSystem);
    if ((hiding & ~mask) != 0) return std::string();
    return path.substr(path.find_last_of('\\') + 1);
  }
  Result<NewFile> createTemporaryFile(const std::string&) override { return Error{5, "not used here"}; }
  void removeLeftovers(const std::string&) override {}
  Status replaceFile(const std::string&, const std::string&) override { return Error{5, "not used here"}; }
  Status setAttributes(const std::string& path, std::uint32_t attributes) override {
    if (!files.count(path)) return Error{kErrFileNotFound, "File not found"};
    files[path] = attributes;
    return {};
  }
  Result<std::uint32_t> getAttributes(const std::string& path) override {
    if (!files.count(path)) return Error{kErrFileNotFound, "File not found"};
    return files[path];
  }
  Status deleteFile(const std::string& path) override {
    files.erase(path);
    return {};
  }

  std::map<std::string, std::uint32_t> files;
  std::set<std::string> folders;
  std::optional<Error> lookupFailure;
};

class ScriptedDialog : public app::OpenFileDialog {
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

// The main window's controls as plain state.
struct FormControls : app::SelectionControls {
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

class RecordingPictures : public app::PictureButtonView {
 public:
  void showPicture(app::PictureButton button, std::string_view resourceName) override {
    (button == app::PictureButton::Simge ? simge : kapat) = std::string(resourceName);
    loads.push_back(std::string(resourceName));
  }
  std::string simge = "SIMGE";
  std::string kapat = "KAPAT";
  std::vector<std::string> loads;
};

}  // namespace kovrena::test
