// The resource script takes every picture, icon, cursor and the manifest
// from the generated folder: each file it names must be produced there.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

std::string script() {
  const auto bytes = readFile(std::string(KOVRENA_SOURCE_DIR) + "/resources/kovrena.rc");
  return {bytes.begin(), bytes.end()};
}

TEST(ResourceScript, EveryNamedFileIsGenerated) {
  const std::string rc = script();
  const std::regex quotedFile(R"re("([A-Za-z0-9_]+\.(bmp|ico|cur|manifest))")re");
  std::set<std::string> named;
  for (auto it = std::sregex_iterator(rc.begin(), rc.end(), quotedFile); it != std::sregex_iterator(); ++it)
    named.insert((*it)[1]);
  EXPECT_EQ(named.size(), 16u);  // 9 bitmaps, 3 icons, 2 cursors, the manifest for x86 and x64
  for (const std::string& name : named)
    EXPECT_TRUE(std::filesystem::is_regular_file(std::string(KOVRENA_GENERATED_RESOURCES) + "/" + name)) << name;
}

}  // namespace
}  // namespace kovrena::resources_test
