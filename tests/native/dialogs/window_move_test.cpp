#include "dialogs/window_move.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kovrena::dialogs {
namespace {

TEST(WindowMove, StartsOnlyWithTheLeftButtonAlone) {
  struct Row {
    std::uint32_t keyFlags;  // MK_* flags of the mouse message
    int buttonSet;
    bool moves;
  };
  const Row rows[] = {
      {0x0000, 0, false},                     // no button
      {0x0001, buttons::kLeft, true},         // left
      {0x0002, buttons::kRight, false},       // right
      {0x0010, buttons::kMiddle, false},      // middle
      {0x0003, 3, false},                     // left and right
      {0x0011, 5, false},                     // left and middle
      {0x0013, 7, false},                     // all three
      {0x0005, buttons::kLeft, true},         // left with Shift
      {0x0009, buttons::kLeft, true},         // left with Control
      {0x0021, buttons::kLeft, true},         // left with the first extra button
      {0x0040, 0, false},                     // second extra button only
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keyFlags);
    const int set = ButtonSetFromKeyFlags(row.keyFlags);
    EXPECT_EQ(set, row.buttonSet);
    EXPECT_EQ(PencereyiTaşır(set), row.moves);
  }
}

}  // namespace
}  // namespace kovrena::dialogs
