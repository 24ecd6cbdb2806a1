#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/letter_case.h"

namespace kovrena::text {
namespace {

struct CasePair {
  const char* label;
  std::string a;
  std::string b;
  bool same;
};

// The pairs a Turkish user meets, and the ones the system keeps apart.
TEST(SameIgnoringCase, ComparesAsTheSystemComparesFileNames) {
  const std::vector<CasePair> cases = {
      {"ASCII", "notepad.EXE.manifest", "NOTEPAD.exe.MANIFEST", true},
      {"ç Ç", "çizim.exe", "Çizim.exe", true},
      {"ş Ş", "şema.exe", "Şema.exe", true},
      {"ğ Ğ", "dağ.exe", "DAĞ.EXE", true},
      {"ö Ö", "öykü.exe", "ÖYKÜ.exe", true},
      {"ü Ü", "ütü.exe", "ÜTÜ.exe", true},
      {"dotless ı is not I", "ışık.exe", "IŞIK.exe", false},
      {"dotted İ is not i", "İzmir.exe", "izmir.exe", false},
      {"ı is not İ", "ı", "İ", false},
      {"Greek sigma", "σ", "Σ", true},
      {"final sigma lowers from no capital", "ς", "Σ", false},
      {"micro sign is not mu", "µ", "Μ", false},
      {"DŽ in three cases: small and capital", "ǆ", "Ǆ", true},
      {"DŽ in three cases: title case keeps to itself", "ǅ", "Ǆ", false},
      {"Greek with ypogegrammeni", "ᾀ", "ᾈ", true},
      {"full-width", "ａ", "Ａ", true},
      {"Cyrillic", "привет.exe", "ПРИВЕТ.EXE", true},
      {"ß has no one-letter capital", "straße", "STRASSE", false},
      {"capital ß is not ß", "ß", "ẞ", false},
      {"Kelvin sign is not k", "\u212A", "k", false},
      {"long s is not S", "ſ", "S", false},
      {"no normalisation: C and a cedilla is not Ç", "C\u0327izim", "Çizim", false},
      {"beyond the BMP letters compare exactly", "\U00010428", "\U00010400", false},
      {"bytes outside UTF-8 compare exactly", "a\xFF", "A\xFF", true},
      {"different bytes outside UTF-8", "a\xFE", "a\xFF", false},
      {"lengths differ in UTF-8 only", "ɐ", "Ɐ", true},
  };
  for (const CasePair& c : cases) {
    EXPECT_EQ(SameIgnoringCase(c.a, c.b), c.same) << c.label;
    EXPECT_EQ(SameIgnoringCase(c.b, c.a), c.same) << c.label << " (reversed)";
  }
}

// Over every code point: upper-casing is idempotent and keeps surrogates
// and ASCII apart.
TEST(UpperCaseOf, IsIdempotentAndKeepsASCIIAndSurrogatesApart) {
  for (std::uint32_t code = 0; code < 0x10000; ++code) {
    const std::uint32_t upper = UpperCaseOf(code);
    EXPECT_EQ(UpperCaseOf(upper), upper) << std::hex << code;
    if (code >= 0x80) {
      EXPECT_GE(upper, 0x80u) << std::hex << code;
    }
    if (code >= 0xD800 && code <= 0xDFFF) {
      EXPECT_EQ(upper, code) << std::hex << code;
    }
  }
}

}  // namespace
}  // namespace kovrena::text
