// The program's own manifest record, read back from the generated file and
// compared with the expected document written out line by line.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

std::string ownManifest(const char* file = "kovrena.manifest") {
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

// Blanks are spelt out: "·" stands for one blank, so indents and the
// trailing blanks of lines 1, 2, 3, 5 and 6 are visible.
constexpr std::string_view kLines[] = {
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>·)",
    R"(<assembly·)",
    R"(···xmlns="urn:schemas-microsoft-com:asm.v1"·)",
    R"(···manifestVersion="1.0">)",
    R"(<assemblyIdentity·)",
    R"(····processorArchitecture="x86"·)",
    R"(····version="1.0.0.0")",
    R"(····type="win32")",
    R"(····name="Kovrena.exe"/>)",
    R"(····<description></description>)",
    R"(····<dependency>)",
    R"(····<dependentAssembly>)",
    R"(····<assemblyIdentity)",
    R"(·········type="win32")",
    R"(·········name="Microsoft.Windows.Common-Controls")",
    R"(·········version="6.0.0.0")",
    R"(·········publicKeyToken="6595b64144ccf1df")",
    R"(·········language="*")",
    R"(·········processorArchitecture="x86"/>)",
    R"(····</dependentAssembly>)",
    R"(····</dependency>)",
    R"(</assembly>)",
};

std::string expectedLine(std::string_view line, std::string_view architecture) {
  std::string out;
  constexpr std::string_view kDot = "·";
  for (std::size_t i = 0; i < line.size();) {
    if (line.substr(i, kDot.size()) == kDot) {
      out += ' ';
      i += kDot.size();
    } else {
      out += line[i++];
    }
  }
  const std::string x86 = "processorArchitecture=\"x86\"";
  if (const auto at = out.find(x86); at != std::string::npos)
    out.replace(at, x86.size(), "processorArchitecture=\"" + std::string(architecture) + "\"");
  return out;
}

std::vector<std::string> splitOnCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST(OwnManifest, Is617BytesPlusTheProgramName) {
  for (const Variant& v : kVariants) EXPECT_EQ(ownManifest(v.file).size(), v.size) << v.file;
}

TEST(OwnManifest, LinesMatchTheDocumentAndTheLastHasNoLineEnd) {
  for (const Variant& v : kVariants) {
    SCOPED_TRACE(v.file);
    const std::vector<std::string> lines = splitOnCrLf(ownManifest(v.file));
    ASSERT_EQ(lines.size(), std::size(kLines));  // the piece after the last CR LF is line 22
    for (std::size_t i = 0; i < lines.size(); ++i)
      EXPECT_EQ(lines[i], expectedLine(kLines[i], v.architecture)) << "line " << i + 1;
  }
}

TEST(OwnManifest, IsPlainAsciiWithOnlyCrLfLineBreaks) {
  const std::string text = ownManifest();
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
