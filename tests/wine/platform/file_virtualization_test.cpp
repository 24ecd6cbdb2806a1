#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform/win32/file_virtualization.h"

namespace kovrena::win32 {
namespace {

// A token whose two calls answer as a row says, and which records every
// change it is asked for.
class ScriptedToken final : public VirtualizationToken {
 public:
  ScriptedToken(DWORD queryAnswer, DWORD enabled, DWORD setAnswer)
      : queryAnswer_(queryAnswer), enabled_(enabled), setAnswer_(setAnswer) {}
  DWORD query(DWORD& enabled) override {
    if (queryAnswer_ == ERROR_SUCCESS) enabled = enabled_;
    return queryAnswer_;
  }
  DWORD set(DWORD enabled) override {
    changes.push_back(enabled);
    return setAnswer_;
  }
  std::vector<DWORD> changes;

 private:
  DWORD queryAnswer_, enabled_, setAnswer_;
};

TEST(FileVirtualization, IsTurnedOffOnlyWhereItIsOnAndLeftAloneWhereTheTokenCannotTell) {
  struct Row {
    const char* platform;
    DWORD queryAnswer;
    DWORD enabled;
    DWORD setAnswer;
    Virtualization expected;
    std::vector<DWORD> changes;
  };
  const Row rows[] = {
      {"XP: no such token information", ERROR_INVALID_PARAMETER, 0, ERROR_SUCCESS, Virtualization::Absent, {}},
      {"token not to be opened or asked", ERROR_ACCESS_DENIED, 0, ERROR_SUCCESS, Virtualization::Unknown, {}},
      {"Vista+, elevated or 64-bit: off", ERROR_SUCCESS, 0, ERROR_SUCCESS, Virtualization::Off, {}},
      {"Vista+, standard user: on", ERROR_SUCCESS, 1, ERROR_SUCCESS, Virtualization::TurnedOff, {0}},
      {"Vista+, change refused", ERROR_SUCCESS, 1, ERROR_ACCESS_DENIED, Virtualization::Refused, {0}},
  };
  for (const Row& row : rows) {
    ScriptedToken token(row.queryAnswer, row.enabled, row.setAnswer);
    EXPECT_EQ(TurnOffFileVirtualization(token), row.expected) << row.platform;
    EXPECT_EQ(token.changes, row.changes) << row.platform;
  }
}

// This process's own token, as both programs use it at start: whatever the
// system answers, a second turn finds nothing left to change.
TEST(FileVirtualization, OwnTokenEndsOffOrWithoutVirtualization) {
  const Virtualization first = TurnOffFileVirtualization();
  const Virtualization second = TurnOffFileVirtualization();
  std::printf("own token: first %d, then %d\n", static_cast<int>(first), static_cast<int>(second));
  EXPECT_NE(first, Virtualization::Refused);
  EXPECT_TRUE(second == Virtualization::Off || second == Virtualization::Absent ||
              second == Virtualization::Unknown);
}

}  // namespace
}  // namespace kovrena::win32
