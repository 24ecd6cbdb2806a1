#include "dialogs/about.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dialogs/about_design.h"

namespace kovrena::dialogs {
namespace {

TEST(AboutLoadTexts, SetsTitleVersionAndProgramTitle) {
  struct Row {
    unsigned major;
    unsigned minor;
    const char* version;
  };
  const Row rows[] = {
      {1, 0, "Version: 1.0"},
      {2, 15, "Version: 2.15"},
      {0, 0, "Version: 0.0"},
      {10, 7, "Version: 10.7"},
      {65535, 65535, "Version: 65535.65535"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.version);
    const AboutTexts texts = AboutLoadTexts("Kovrena", row.major, row.minor);
    EXPECT_EQ(texts.title, "Kovrena Hakkında ");
    EXPECT_EQ(texts.lblTitle, "Kovrena");
    EXPECT_EQ(texts.lblVersion, row.version);
  }
}

using Changes = std::vector<UnderlineChange>;
constexpr UnderlineChange kEmailOn{Link::Email, true};
constexpr UnderlineChange kEmailOff{Link::Email, false};
constexpr UnderlineChange kWebOn{Link::Web, true};
constexpr UnderlineChange kWebOff{Link::Web, false};

TEST(LinkHover, SwitchesUnderlinesOnlyOnChange) {
  struct Step {
    AboutArea area;
    Changes changes;
    bool email;
    bool web;
  };
  struct Row {
    const char* name;
    std::vector<Step> steps;
  };
  const AboutArea E = AboutArea::Email, W = AboutArea::Web, B = AboutArea::Background,
                  O = AboutArea::Other;
  const Row rows[] = {
      {"background when plain", {{B, {}, false, false}}},
      {"other when plain", {{O, {}, false, false}}},
      {"enter and leave the e-mail link",
       {{E, {kEmailOn}, true, false}, {E, {}, true, false}, {B, {kEmailOff}, false, false}}},
      {"enter and leave the web link",
       {{W, {kWebOn}, false, true}, {W, {}, false, true}, {B, {kWebOff}, false, false}}},
      {"fast move from e-mail to web: both stay, e-mail goes off first",
       {{E, {kEmailOn}, true, false},
        {W, {kWebOn}, true, true},
        {B, {kEmailOff, kWebOff}, false, false},
        {B, {}, false, false}}},
      {"fast move from web to e-mail: still e-mail first",
       {{W, {kWebOn}, false, true}, {E, {kEmailOn}, true, true}, {B, {kEmailOff, kWebOff}, false, false}}},
      {"labels, picture and buttons keep the underline",
       {{E, {kEmailOn}, true, false}, {O, {}, true, false}, {O, {}, true, false}, {B, {kEmailOff}, false, false}}},
      {"back onto the link after the background",
       {{E, {kEmailOn}, true, false}, {B, {kEmailOff}, false, false}, {E, {kEmailOn}, true, false}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LinkHover hover;
    EXPECT_FALSE(hover.emailVurgulu());
    EXPECT_FALSE(hover.webVurgulu());
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
      SCOPED_TRACE(i);
      const Step& step = row.steps[i];
      EXPECT_EQ(hover.mouseMove(step.area), step.changes);
      EXPECT_EQ(hover.emailVurgulu(), step.email);
      EXPECT_EQ(hover.webVurgulu(), step.web);
    }
  }
}

// A press on a link owns the mouse until the release: the moves are the
// link's wherever they are, and only a release over the same link follows it.
TEST(AboutMouse, APressOnALinkOwnsTheMovesAndClicksOnlyThatLink) {
  struct Step {
    enum Kind { Move, Down, Up, CaptureLost } kind;
    int x, y;
    Changes changes = {};           // what a move switches
    bool captures = false;          // what a press answers
    std::optional<Link> followed = {};  // what a release answers
  };
  struct Row {
    const char* name;
    std::vector<Step> steps;
  };
  const int ex = 150, ey = 165, wx = 150, wy = 135, bx = 10, by = 10;
  const Row rows[] = {
      {"click on the e-mail link",
       {{Step::Down, ex, ey, {}, true}, {Step::Up, ex, ey, {}, false, Link::Email}}},
      {"pressed on e-mail, moved over the background and back",
       {{Step::Down, ex, ey, {}, true},
        {Step::Move, bx, by, {kEmailOn}},
        {Step::Move, wx, wy, {}},
        {Step::Up, ex, ey, {}, false, Link::Email},
        {Step::Move, bx, by, {kEmailOff}}}},
      {"pressed on e-mail, released over web",
       {{Step::Down, ex, ey, {}, true}, {Step::Up, wx, wy, {}, false, std::nullopt}}},
      {"pressed on the background: the moves are the pointer's",
       {{Step::Down, bx, by, {}, false}, {Step::Move, wx, wy, {kWebOn}}, {Step::Up, wx, wy, {}, false, std::nullopt}}},
      {"the mouse lost while pressed",
       {{Step::Down, wx, wy, {}, true}, {Step::CaptureLost, 0, 0}, {Step::Move, bx, by, {}},
        {Step::Up, wx, wy, {}, false, std::nullopt}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AboutMouse mouse;
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
      SCOPED_TRACE(i);
      const Step& step = row.steps[i];
      switch (step.kind) {
        case Step::Move: EXPECT_EQ(mouse.mouseMove(step.x, step.y), step.changes); break;
        case Step::Down: EXPECT_EQ(mouse.buttonDown(step.x, step.y), step.captures); break;
        case Step::Up: EXPECT_EQ(mouse.buttonUp(step.x, step.y), step.followed); break;
        case Step::CaptureLost: mouse.captureLost(); break;
      }
    }
  }
}

TEST(AboutAreaAt, TellsLinksOtherControlsAndBackgroundApart) {
  struct Row {
    int x, y;
    AboutArea area;
    const char* what;
  };
  const Row rows[] = {
      {70, 157, AboutArea::Email, "e-mail top left corner"},
      {307, 176, AboutArea::Email, "e-mail bottom right corner"},
      {308, 170, AboutArea::Background, "just right of the e-mail link"},
      {150, 177, AboutArea::Background, "just below the e-mail link"},
      {69, 160, AboutArea::Background, "just left of the e-mail link"},
      {96, 129, AboutArea::Web, "web top left corner"},
      {274, 146, AboutArea::Web, "web bottom right corner"},
      {150, 147, AboutArea::Background, "gap between web and e-mail"},
      {150, 125, AboutArea::Background, "gap between Label2 and web"},
      {150, 110, AboutArea::Other, "Label2"},
      {40, 80, AboutArea::Other, "Label1"},
      {100, 25, AboutArea::Other, "lblTitle"},
      {100, 50, AboutArea::Other, "lblVersion"},
      {30, 30, AboutArea::Other, "Image1"},
      {30, 210, AboutArea::Other, "lblDisclaimer"},
      {300, 210, AboutArea::Other, "cmdOK"},
      {300, 240, AboutArea::Other, "cmdSysInfo"},
      {100, 186, AboutArea::Background, "grey separator line"},
      {100, 187, AboutArea::Background, "white separator line"},
      {100, 188, AboutArea::Background, "white separator line, second pixel"},
      {5, 5, AboutArea::Background, "top left of the window"},
      {370, 270, AboutArea::Background, "bottom right of the window"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(AboutAreaAt(row.x, row.y), row.area) << row.what;
  }
}

}  // namespace
}  // namespace kovrena::dialogs
