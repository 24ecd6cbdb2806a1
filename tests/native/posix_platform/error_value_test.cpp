// A failure's number is read as its source means it, and a Result keeps
// whichever it holds through copies, moves and assignments.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/error.h"
#include "platform/posix/errno_error.h"

namespace kovrena {
namespace {

TEST(ErrorValue, ANumberIsReadAsItsSourceMeansIt) {
  struct Case {
    Error error;
    bool notFound, accessDenied;
  };
  const Case cases[] = {
      {Error{kWin32AccessDenied, "Erişim engellendi.", ErrorSource::Win32}, false, true},
      {posix::errorFromErrno(EIO), false, false},                 // errno's 5
      {Error{5, "Resim verisi geçersiz: boyut"}, false, false},  // one of the program's own 5s
      {posix::errorFromErrno(EACCES), false, false},
      {posix::errorFromErrno(ENOENT), true, false},
      {posix::errorFromErrno(ENOTDIR), true, false},
      {Error{2, "raw", ErrorSource::Win32}, false, false},  // only the platform's conversion names "not found"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error.description);
    EXPECT_EQ(IsNotFound(c.error), c.notFound);
    EXPECT_EQ(IsAccessDenied(c.error), c.accessDenied);
  }
  EXPECT_EQ(posix::errorFromErrno(EIO).source, ErrorSource::Errno);
  EXPECT_EQ(posix::errorFromErrno(ENOENT).number, kErrFileNotFound);  // the number shown for it
}

TEST(ErrorValue, AResultKeepsWhatItHoldsThroughCopiesAndAssignments) {
  const std::string value(100, 'v');  // on the heap: a lost or doubled copy shows under the sanitizers
  const Error error{kErrPathFileAccess, std::string(100, 'e')};
  Result<std::string> a = value;
  Result<std::string> b = error;
  Result<std::string> copied = a;
  Result<std::string> moved = std::move(b);
  copied = moved;  // value becomes failure
  EXPECT_FALSE(copied.ok());
  EXPECT_EQ(copied.error(), error);
  moved = a;  // failure becomes value
  ASSERT_TRUE(moved.ok());
  EXPECT_EQ(moved.value(), value);
  EXPECT_EQ(std::move(moved).value(), value);
  EXPECT_EQ(a.value(), value);
}

}  // namespace
}  // namespace kovrena
