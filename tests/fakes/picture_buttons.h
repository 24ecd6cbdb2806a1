#pragma once
// The picture buttons as the user sees them: which picture each shows.
#include <string>
#include <string_view>
#include <vector>

#include "app/picture_buttons.h"

namespace kovrena::testing {

class RecordingPictures final : public app::PictureButtonView {
 public:
  void showPicture(app::PictureButton button, std::string_view resourceName) override {
    (button == app::PictureButton::Simge ? simge : kapat) = std::string(resourceName);
    loads.push_back(std::string(resourceName));
  }
  std::string simge = "SIMGE";
  std::string kapat = "KAPAT";
  std::vector<std::string> loads;
};

}  // namespace kovrena::testing
