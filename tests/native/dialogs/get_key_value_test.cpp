#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "dialogs/registry_text.h"
#include "dialogs/sys_info.h"
#include "tests/fakes/registry.h"

namespace kovrena::dialogs {
namespace {

using testing::dwordValue;
using testing::FakeRegistry;
using testing::textValue;

constexpr std::uint32_t kRegBinary = 3;  // REG_BINARY: what no reader here asks for
using testing::utf16Bytes;

constexpr std::uint32_t kRoot = reg::kLocalMachine;
const std::string kKey = "SOFTWARE\\Sınama";
const std::string kName = "PATH";
const std::string kBefore = "önceki";

struct Outcome {
  enum Kind { True, False, Failure } kind;
  std::string text;  // valueText afterwards
};

std::string repeated(char16_t unit, std::size_t count) {
  return utf16Bytes(std::u16string(count, unit), false);
}

TEST(GetKeyValue, ConvertsStoredValuesByType) {
  struct Row {
    const char* what;
    RegistryValue value;
    Outcome outcome;
  };
  const Row rows[] = {
      {"terminated text", textValue(u"C:\\Araçlar\\msinfo32.exe"), {Outcome::True, "C:\\Araçlar\\msinfo32.exe"}},
      {"text without terminator keeps every character", textValue(u"abc", false), {Outcome::True, "abc"}},
      {"terminator only", textValue(u""), {Outcome::True, ""}},
      {"two terminators lose only the last", textValue(std::u16string(u"ab\0", 3)),
       {Outcome::True, std::string("ab\0", 3)}},
      {"0 bytes of text", {reg::kTypeSz, ""}, {Outcome::Failure, kBefore}},
      {"0 bytes of a number", {reg::kTypeDword, ""}, {Outcome::Failure, kBefore}},
      {"0 bytes of another type", {reg::kTypeExpandSz, ""}, {Outcome::Failure, kBefore}},
      {"odd trailing byte is a character", {reg::kTypeSz, std::string("a\0b", 3)}, {Outcome::True, "ab"}},
      {"odd trailing zero byte is a terminator", {reg::kTypeSz, std::string("a\0\0", 3)}, {Outcome::True, "a"}},
      {"character outside the basic plane", textValue(u"\U0001F600"), {Outcome::True, "\xF0\x9F\x98\x80"}},
      {"unpaired surrogate", textValue(u"a\xD800z"), {Outcome::True, "a\xEF\xBF\xBDz"}},
      {"1023 characters and terminator fill the buffer",
       {reg::kTypeSz, repeated(u'x', 1023) + std::string(2, '\0')}, {Outcome::True, std::string(1023, 'x')}},
      {"1024 characters without terminator fill the buffer",
       {reg::kTypeSz, repeated(u'x', 1024)}, {Outcome::True, std::string(1024, 'x')}},
      {"1024 characters and terminator do not fit",
       {reg::kTypeSz, repeated(u'x', 1024) + std::string(2, '\0')}, {Outcome::False, ""}},
      {"number 0x12345678", dwordValue(0x12345678), {Outcome::True, "&h12345678"}},
      {"number 0x00000102 loses its zero top byte", dwordValue(0x00000102), {Outcome::True, "&h000102"}},
      {"number 0", dwordValue(0), {Outcome::True, "&h000000"}},
      {"number 0xFF000000", dwordValue(0xFF000000), {Outcome::True, "&hFF000000"}},
      {"number 0x00010000", dwordValue(0x00010000), {Outcome::True, "&h010000"}},
      {"number 0xABCDEF01 in upper case", dwordValue(0xABCDEF01), {Outcome::True, "&hABCDEF01"}},
      {"number stored in two bytes", {reg::kTypeDword, "\x34\x12"}, {Outcome::True, "&h1234"}},
      {"expandable text leaves the text", {reg::kTypeExpandSz, utf16Bytes(u"%SystemRoot%")}, {Outcome::True, kBefore}},
      {"list of texts leaves the text", {reg::kTypeMultiSz, utf16Bytes(u"a") + utf16Bytes(u"")}, {Outcome::True, kBefore}},
      {"1024 binary bytes are read", {kRegBinary, std::string(1024, '\1')}, {Outcome::True, kBefore}},
      {"1025 binary bytes are not", {kRegBinary, std::string(1025, '\1')}, {Outcome::False, ""}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    FakeRegistry registry;
    registry.set(kRoot, kKey, kName, row.value);
    std::string text = kBefore;
    const Result<bool> result = GetKeyValue(registry, kRoot, kKey, kName, text);
    switch (row.outcome.kind) {
      case Outcome::True:
        ASSERT_TRUE(result.ok()) << result.error().description;
        EXPECT_TRUE(result.value());
        break;
      case Outcome::False:
        ASSERT_TRUE(result.ok()) << result.error().description;
        EXPECT_FALSE(result.value());
        break;
      case Outcome::Failure:
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().number, kErrEmptyValue);
        break;
    }
    EXPECT_EQ(text, row.outcome.text);
    ASSERT_EQ(registry.opens.size(), 1u);
    EXPECT_EQ(registry.opens[0], (FakeRegistry::Open{kRoot, kKey, reg::kReadAccess}));
    EXPECT_EQ(registry.capacities, std::vector<std::size_t>{1024});
    EXPECT_EQ(registry.closes, 1) << "the key is closed on every way out";
  }
}

TEST(GetKeyValue, EmptiesTheTextWhenKeyOrValueIsMissing) {
  struct Row {
    const char* what;
    bool keyExists;
  };
  for (const Row& row : {Row{"missing key", false}, Row{"missing value", true}}) {
    SCOPED_TRACE(row.what);
    FakeRegistry registry;
    if (row.keyExists) registry.set(kRoot, kKey, "BAŞKA", textValue(u"x"));
    std::string text = kBefore;
    const Result<bool> result = GetKeyValue(registry, kRoot, kKey, kName, text);
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.value());
    EXPECT_EQ(text, "");
    EXPECT_EQ(registry.closes, registry.opened);
  }
}

}  // namespace
}  // namespace kovrena::dialogs
