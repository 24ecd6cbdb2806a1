// The program's own manifest record, read back from the generated file: the
// engine's document for Kovrena.exe of its architecture, with no line end
// after the last line.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "manifest/manifest_text.h"
#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

std::string ownManifest(const char* file) {
  const auto bytes = readGenerated(file);
  return {bytes.begin(), bytes.end()};
}

// Kovrena.exe carries the x86 document; the x86_64 build that runs the tests
// under Wine carries the same one for amd64.
struct Variant { const char* file; std::string_view architecture; std::size_t size; };
constexpr Variant kVariants[] = {
    {"kovrena.manifest", "x86", 617 + std::string_view("Kovrena.exe").size()},
    {"kovrena_x64.manifest", "amd64", 617 + std::string_view("Kovrena.exe").size() + 2 * 2},
};

TEST(OwnManifest, IsTheEngineDocumentForKovrenaExeWithoutTheLastLineEnd) {
  for (const Variant& v : kVariants) {
    SCOPED_TRACE(v.file);
    const std::string text = ownManifest(v.file);
    EXPECT_EQ(text.size(), v.size);
    std::string expected = manifest::BuildManifestText("Kovrena.exe", v.architecture);
    ASSERT_EQ(expected.substr(expected.size() - 2), "\r\n");
    expected.resize(expected.size() - 2);
    EXPECT_EQ(text, expected);
  }
}

TEST(OwnManifest, IsPlainAsciiWithOnlyCrLfLineBreaks) {
  const std::string text = ownManifest("kovrena.manifest");
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    ASSERT_LT(c, 0x80u) << "byte " << i;
    if (c == '\r') {
      ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "byte " << i;
    }
    if (c == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "byte " << i;
    }
    if (c < 0x20 && c != '\r' && c != '\n') ADD_FAILURE() << "control byte at " << i;
  }
  EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");
}

}  // namespace
}  // namespace kovrena::resources_test
