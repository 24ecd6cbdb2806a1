#include <gtest/gtest.h>

#include "app/picture_buttons.h"
#include "tests/fakes/picture_buttons.h"

namespace kovrena::app {
namespace {

using B = PictureButton;

// One step of a mouse story over the main window.
struct Step {
  enum Kind { Down, Move, Background, Minimise } kind;
  B button = B::Simge;
  int buttons = 0;
};

struct Story {
  const char* name;
  std::vector<Step> steps;
  std::string simge, kapat;
  bool highlight;
  std::vector<std::string> loads;
};

TEST(PictureButtons, StoriesFromTheStateTable) {
  const Story stories[] = {
      {"ordinary movement over the background loads nothing",
       {{Step::Background}, {Step::Background}, {Step::Background}},
       "SIMGE", "KAPAT", false, {}},
      {"hover close, then the background restores both, close first",
       {{Step::Move, B::Kapat, 0}, {Step::Background}},
       "SIMGE", "KAPAT", false, {"KAPATUST", "KAPAT", "SIMGE"}},
      {"every hover move loads the picture again",
       {{Step::Move, B::Kapat, 0}, {Step::Move, B::Kapat, 0}, {Step::Move, B::Kapat, 2}},
       "SIMGE", "KAPATUST", true, {"KAPATUST", "KAPATUST", "KAPATUST"}},
      {"press, move with left held, release: stays pressed",
       {{Step::Down, B::Simge, 1}, {Step::Move, B::Simge, 1}, {Step::Move, B::Simge, 1}},
       "SIMGEALT", "KAPAT", true, {"SIMGEALT"}},
      {"press with the right button also shows the pressed picture",
       {{Step::Down, B::Kapat, 2}},
       "SIMGE", "KAPATALT", true, {"KAPATALT"}},
      {"left and right held over a button is a hover",
       {{Step::Down, B::Kapat, 1}, {Step::Move, B::Kapat, 3}},
       "SIMGE", "KAPATUST", true, {"KAPATALT", "KAPATUST"}},
      {"after release, the next move over the button hovers",
       {{Step::Down, B::Simge, 1}, {Step::Move, B::Simge, 0}},
       "SIMGEUST", "KAPAT", true, {"SIMGEALT", "SIMGEUST"}},
      {"minimise, restore: pressed until the background is crossed",
       {{Step::Down, B::Simge, 1}, {Step::Minimise}},
       "SIMGEALT", "KAPAT", true, {"SIMGEALT"}},
      {"minimise, restore, background move restores once",
       {{Step::Down, B::Simge, 1}, {Step::Minimise}, {Step::Background}, {Step::Background}},
       "SIMGE", "KAPAT", false, {"SIMGEALT", "KAPAT", "SIMGE"}},
      {"a minimise alone raises the flag: the next background move reloads normals",
       {{Step::Minimise}, {Step::Background}},
       "SIMGE", "KAPAT", false, {"KAPAT", "SIMGE"}},
  };
  for (const Story& story : stories) {
    SCOPED_TRACE(story.name);
    AnaFormValues values;
    testing::RecordingPictures view;
    PictureButtons buttons(values, view);
    for (const Step& step : story.steps) {
      switch (step.kind) {
        case Step::Down: buttons.mouseDown(step.button); break;
        case Step::Move: buttons.mouseMove(step.button, step.buttons); break;
        case Step::Background: buttons.backgroundMouseMove(); break;
        case Step::Minimise: buttons.minimised(); break;
      }
    }
    EXPECT_EQ(view.simge, story.simge);
    EXPECT_EQ(view.kapat, story.kapat);
    EXPECT_EQ(values.highlight, story.highlight);
    EXPECT_EQ(view.loads, story.loads);
  }
}

}  // namespace
}  // namespace kovrena::app
