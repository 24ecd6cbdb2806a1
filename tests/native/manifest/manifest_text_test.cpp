#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "manifest/manifest_text.h"
#include "manifest/text_replace.h"

namespace kovrena::manifest {
namespace {

// The document as the loader must read it, written out by hand: lines 7, 9
// and 10 carry their placeholders, the rest is fixed.
const std::array<std::string, 22> kExpectedLines = {
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?> ",
    "<assembly ",
    "   xmlns=\"urn:schemas-microsoft-com:asm.v1\" ",
    "   manifestVersion=\"1.0\">",
    "<assemblyIdentity ",
    "    processorArchitecture=\"x86\" ",
    "    version=\"1.0.0.0\"",
    "    type=\"win32\"",
    "    name=\"<NAME>\"/>",
    "    <description></description>",
    "    <dependency>",
    "    <dependentAssembly>",
    "    <assemblyIdentity",
    "         type=\"win32\"",
    "         name=\"Microsoft.Windows.Common-Controls\"",
    "         version=\"6.0.0.0\"",
    "         publicKeyToken=\"6595b64144ccf1df\"",
    "         language=\"*\"",
    "         processorArchitecture=\"x86\"/>",
    "    </dependentAssembly>",
    "    </dependency>",
    "</assembly>",
};
constexpr std::size_t kNameLine = 8;  // zero-based: line 9

std::vector<std::string> splitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", from)) {
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  if (from != text.size()) lines.push_back(text.substr(from));  // an unterminated tail
  return lines;
}

TEST(ManifestText, NotepadIs630BytesAndMatchesTheDocumentLineByLine) {
  const std::string text = BuildManifestText("notepad.exe");
  EXPECT_EQ(text.size(), 630u);
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_NE(text.substr(0, 3), "\xEF\xBB\xBF");

  const std::vector<std::string> lines = splitCrLf(text);
  ASSERT_EQ(lines.size(), kExpectedLines.size());
  EXPECT_EQ(lines[16].size(), 42u) << "the documented length of line 17";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string expected = i == kNameLine ? "    name=\"notepad.exe\"/>" : kExpectedLines[i];
    EXPECT_EQ(lines[i], expected) << "line " << i + 1;
  }
  // No stray CR or LF outside the pairs.
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
}

struct NameCase {
  const char* label;
  std::string programName;
  std::string expectedNameValue;  // what stands between name=" and "/> in line 9
};

TEST(ManifestText, ProgramNameLandsInLineNineAndNowhereElse) {
  const std::vector<NameCase> cases = {
      {"plain", "notepad.exe", "notepad.exe"},
      {"blank kept", "my program.exe", "my program.exe"},
      {"ampersand escaped", "a&b.exe", "a&amp;b.exe"},
      {"markup characters escaped", "x<y>\"z\".exe", "x&lt;y&gt;&quot;z&quot;.exe"},
      {"apostrophe kept inside double quotes", "it's.exe", "it's.exe"},
      {"entity text escaped again", "&amp;.exe", "&amp;amp;.exe"},
      {"lower-case placeholder word untouched", "exename.exe", "exename.exe"},
      {"mixed-case placeholder word untouched", "ExeVersion.exe", "ExeVersion.exe"},
      {"version word inside the name replaced", "EXEVERSION.exe", "1.0.0.0.exe"},
      {"description word inside the name removed", "EXEDESCRIBTION.exe", ".exe"},
      {"name word is not rescanned", "EXENAME.exe", "EXENAME.exe"},
      {"replacement is not rescanned", "EXEEXEVERSIONVERSION", "EXE1.0.0.0VERSION"},
      {"Turkish letters as UTF-8", "Şirket Çizim Ğİıöü.exe",
       "\xC5\x9Eirket \xC3\x87izim \xC4\x9E\xC4\xB0\xC4\xB1\xC3\xB6\xC3\xBC.exe"},
      {"empty name", "", ""},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string text = BuildManifestText(c.programName);
    const std::vector<std::string> lines = splitCrLf(text);
    ASSERT_EQ(lines.size(), kExpectedLines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string expected =
          i == kNameLine ? "    name=\"" + c.expectedNameValue + "\"/>" : kExpectedLines[i];
      EXPECT_EQ(lines[i], expected) << "line " << i + 1;
    }
    EXPECT_EQ(text.size(), 619u + c.expectedNameValue.size());
  }
}

struct ReplaceCase {
  const char* label;
  std::string text, word, replacement, expected;
};

// Another processor changes the two architecture values and nothing else;
// x86 is the window program's document itself.
TEST(ManifestText, OtherArchitecturesDifferInTheirTwoValuesOnly) {
  const std::string x86 = BuildManifestText("Oyun.exe");
  EXPECT_EQ(BuildManifestText("Oyun.exe", "x86"), x86);
  for (const std::string architecture : {"amd64", "*"}) {
    const std::string other = BuildManifestText("Oyun.exe", architecture);
    EXPECT_EQ(other.size(), x86.size() + 2 * (architecture.size() - 3)) << architecture;
    EXPECT_EQ(replaceAll(other, "processorArchitecture=\"" + architecture + "\"", "processorArchitecture=\"x86\""), x86)
        << architecture;
  }
  // A name that looks like the attribute is not taken for it.
  const std::string tricky = "processorArchitecture=\"x86\".exe";
  EXPECT_NE(BuildManifestText(tricky, "amd64").find(escapeXmlAttribute(tricky)), std::string::npos);
}

TEST(ReplaceAll, ScansOnceFromTheStartWithoutRescanning) {
  const std::vector<ReplaceCase> cases = {
      {"every occurrence", "a-b-a", "a", "c", "c-b-c"},
      {"replacement containing the word", "aa", "a", "aa", "aaaa"},
      {"overlapping matches taken left to right", "aaa", "aa", "X", "Xa"},
      {"case-sensitive", "Word WORD", "WORD", "x", "Word x"},
      {"to empty", "xEMPTYy", "EMPTY", "", "xy"},
      {"no occurrence", "abc", "z", "y", "abc"},
      {"empty word leaves the text", "abc", "", "y", "abc"},
      {"at both ends", "ZabZ", "Z", "--", "--ab--"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(replaceAll(c.text, c.word, c.replacement), c.expected) << c.label;
  }
}

struct PathCase {
  std::string target, expected;
};

TEST(ManifestPath, AppendsTheSuffixToTheWholePathUnchanged) {
  const std::vector<PathCase> cases = {
      {"C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS\\notepad.exe.manifest"},
      {"C:\\Araçlar\\ÇİZİM.EXE", "C:\\Araçlar\\ÇİZİM.EXE.manifest"},
      {"C:\\Tools\\program", "C:\\Tools\\program.manifest"},
      {"C:\\Tools\\dotted.name.exe", "C:\\Tools\\dotted.name.exe.manifest"},
      {"\\\\server\\share\\a b.exe", "\\\\server\\share\\a b.exe.manifest"},
      {"", ".manifest"},
  };
  for (const PathCase& c : cases) EXPECT_EQ(ManifestPath(c.target), c.expected) << c.target;
}

}  // namespace
}  // namespace kovrena::manifest
