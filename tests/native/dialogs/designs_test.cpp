#include <gtest/gtest.h>

#include <set>
#include <span>

#include "dialogs/about_design.h"
#include "dialogs/help_design.h"

namespace kovrena::dialogs {
namespace {

// A control's number is its window identifier: OK (Enter) and Cancel (Esc)
// close these windows whatever sends them, so only the OK button may carry
// a number of the system's commands (1 to 11), and no two controls one.
TEST(DialogDesigns, EveryControlHasItsOwnNumberAndOnlyOkTheSystemsOk) {
  struct Row {
    const char* window;
    std::span<const ui::ControlDesign> table;
    std::size_t controls;
  };
  const Row rows[] = {{"about", kAboutControls, 10}, {"help", kHelpControls, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.window);
    EXPECT_EQ(row.table.size(), row.controls);
    std::set<int> numbers;
    for (const ui::ControlDesign& design : row.table) {
      const int number = static_cast<int>(design.id);
      SCOPED_TRACE(number);
      EXPECT_TRUE(numbers.insert(number).second) << "one number per control";
      EXPECT_GT(number, 0);
      if (number <= 11) {
        EXPECT_EQ(number, ui::kOkId);
        EXPECT_EQ(design.kind, ui::ControlKind::PushButton);
      }
    }
  }
}

}  // namespace
}  // namespace kovrena::dialogs
