#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/posix/dos_attrib.h"
#include "platform/posix/errno_error.h"

namespace kovrena::posix {
namespace {

using namespace std::string_literals;

struct ParseCase {
  const char* label;
  std::string raw;
  std::uint32_t expected;
};

TEST(DosAttrib, ReadsWineTextAndTheHeadOfSambaRecords) {
  const std::vector<ParseCase> cases = {
      {"Wine hidden+system", "0x6", 6},
      {"with archive", "0x26", 0x26},
      {"zero", "0x0", 0},
      {"upper-case digits", "0x2A", 0x2A},
      {"upper-case prefix", "0X6", 6},
      {"zero-terminated text", "0x6\0"s, 6},
      {"Samba record after the text", "0x20\0\x03\x00\x03\x00\x00\x00\x11\x00\x00\x00"s, 0x20},
      {"all 32 bits", "0xffffffff", 0xFFFFFFFFu},
      {"more digits than 32 bits hold", "0x123456789", 0},
      {"no prefix", "6", 0},
      {"prefix only", "0x", 0},
      {"no digit after the prefix", "0xg", 0},
      {"empty", "", 0},
      {"binary junk", "\x01\x02\x03"s, 0},
  };
  for (const ParseCase& c : cases) EXPECT_EQ(parseDosAttrib(c.raw), c.expected) << c.label;
}

TEST(DosAttrib, WritesLowerCaseHexAsWineDoes) {
  const std::vector<std::pair<std::uint32_t, std::string>> cases = {
      {0, "0x0"}, {6, "0x6"}, {0x26, "0x26"}, {0x2A, "0x2a"}, {0xFFFFFFFFu, "0xffffffff"}};
  for (const auto& [bits, text] : cases) {
    EXPECT_EQ(formatDosAttrib(bits), text);
    EXPECT_EQ(parseDosAttrib(formatDosAttrib(bits)), bits);
  }
}

struct ErrnoCase {
  int code;
  std::int32_t number;
};

TEST(ErrnoError, MissingFilesAndFoldersAre53OthersKeepTheirNumber) {
  const std::vector<ErrnoCase> cases = {
      {ENOENT, 53}, {ENOTDIR, 53}, {EACCES, EACCES}, {EISDIR, EISDIR},
      {ENOSPC, ENOSPC}, {ENOTSUP, ENOTSUP}, {EFBIG, EFBIG}, {9999, 9999}};
  for (const ErrnoCase& c : cases) {
    const Error error = errorFromErrno(c.code);
    EXPECT_EQ(error.number, c.number) << c.code;
    EXPECT_FALSE(error.description.empty()) << c.code;
  }
  EXPECT_EQ(errorFromErrno(EISDIR).description, std::strerror(EISDIR));
}

}  // namespace
}  // namespace kovrena::posix
