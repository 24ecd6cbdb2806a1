#pragma once
// The minimise and close picture buttons: which picture each shows, and the
// highlight flag that lets ordinary movement over the background load none.
#include <string_view>

#include "app/ana_form_design.h"
#include "app/ana_form_values.h"

namespace kovrena::app {

class PictureButtonView {
 public:
  virtual ~PictureButtonView() = default;
  // Loads the named bitmap resource anew and shows it on the button.
  virtual void showPicture(PictureButton button, std::string_view resourceName) = 0;
};

class PictureButtons {
 public:
  PictureButtons(AnaFormValues& values, PictureButtonView& view) : values_(values), view_(view) {}

  void mouseDown(PictureButton button);                 // any button set
  void mouseMove(PictureButton button, int buttons);
  // The picture-restoring half of a background move (the drag runs first).
  void backgroundMouseMove();
  // After imgSimge minimised the window.
  void minimised();

 private:
  void show(PictureButton button, PictureState state);

  AnaFormValues& values_;
  PictureButtonView& view_;
};

}  // namespace kovrena::app
