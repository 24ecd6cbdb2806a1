#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "platform/win32/last_error.h"
#include "tests/wine/platform/win32_subject.h"
#include "tests/wine/platform/win_files.h"

namespace kovrena::app {
namespace {

using testing::attributesOf;
using testing::readBytes;
using testing::writeBytes;

// The engine's contract on the Win32 file system and disk.
const contract::EngineMaker kWin32{"Win32", [] { return std::make_unique<testing::Win32Subject>(); }};
using contract::EngineContract;
INSTANTIATE_TEST_SUITE_P(Wine, EngineContract, ::testing::Values(kWin32), contract::EngineMakerName);

// What the Win32 disk alone is asked.
class EngineOnWindows : public EngineContract {};
INSTANTIATE_TEST_SUITE_P(Wine, EngineOnWindows, ::testing::Values(kWin32), contract::EngineMakerName);

// A host link at the manifest path: apply (Yes) and undo both end in the
// error report, and the file it leads to stays as it was.
TEST_P(EngineOnWindows, LinkAtTheManifestPathGetsTheErrorReport) {
  const std::string victim = path("başkasının.txt");
  ASSERT_TRUE(writeBytes(victim, "dokunma"));
  if (!testing::makeHostLink(victim, manifest)) GTEST_SKIP() << "no host link can be made here (not under Wine)";
  const Error refused = win32::ErrorFromCode(ERROR_CANT_RESOLVE_FILENAME);
  messages.answers = {mb::kAnswerYes};
  cmdUygulaClick(target, controls, services());
  controls.applyOption = false;
  cmdUygulaClick(target, controls, services());
  testing::removeHostLinks({manifest});
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].style, 308u);
  EXPECT_EQ(messages.shown[1].text, ErrorReportText(kApplyHeadline, kNumberLabel, refused));
  EXPECT_EQ(messages.shown[2].text, ErrorReportText(kUndoHeadline, kNumberLabel, refused));
  EXPECT_EQ(readBytes(victim), "dokunma");
  EXPECT_EQ(attributesOf(victim) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY), 0u);
  EXPECT_EQ(entries(), 2u) << "the program and the victim, no temporary file";
}

}  // namespace
}  // namespace kovrena::app
