#include "app/ana_form_design.h"

#include <gtest/gtest.h>

#include <set>

namespace kovrena::app {
namespace {

// The outline keeps only the panel of the background picture, rows 3 to 335
// and columns 3 to 440: a control beyond it would be cut away with the frame.
TEST(AnaFormDesign, EveryControlLiesOnTheVisiblePanel) {
  std::set<int> ids;
  for (const ControlDesign& design : kAnaFormControls) {
    SCOPED_TRACE(static_cast<int>(design.id));
    EXPECT_TRUE(ids.insert(static_cast<int>(design.id)).second) << "one identifier per control";
    const ui::Rect& r = design.rect;
    EXPECT_GE(r.left, 3);
    EXPECT_GE(r.top, 3);
    EXPECT_LE(r.left + r.width, 441);
    EXPECT_LE(r.top + r.height, 336);
    EXPECT_EQ(design.kind == ControlKind::Picture, !design.picture.empty()) << "pictures, and only they, show one";
  }
}

// Arrow keys move between the options of one group: the two options must
// make one group of their own, or the keyboard would select lblGeriAl's
// neighbours or leave the undo option unreachable.
TEST(AnaFormDesign, TheTwoOptionsFormOneGroup) {
  const ControlDesign* previous = nullptr;
  for (const ControlDesign& design : kAnaFormControls) {
    if (design.id == AnaFormControl::optXPUygula) {
      EXPECT_TRUE(design.groupStart);
    }
    if (design.id == AnaFormControl::optGeriAl) {
      ASSERT_NE(previous, nullptr);
      EXPECT_EQ(previous->id, AnaFormControl::optXPUygula);
      EXPECT_FALSE(design.groupStart);
    }
    if (previous != nullptr && previous->id == AnaFormControl::optGeriAl) {
      EXPECT_TRUE(design.groupStart);
    }
    previous = &design;
  }
}

}  // namespace
}  // namespace kovrena::app
