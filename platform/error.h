#pragma once
// The one failure value that crosses module lines: a number and a description,
// as the user sees them in the error report, and where the number comes
// from. No exception crosses a module; the compiler sees to it that no
// failure is dropped unread.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <new>

namespace kovrena {

// Where an error's number comes from, so that it is read only as its source
// means it: 5 is "access denied" from Windows, "input/output error" as an
// errno, and one of the program's own numbers for a picture it cannot use.
enum class ErrorSource : std::uint8_t {
  Program,  // the program's own numbers, below and beside what they name
  Win32,    // a Windows error code (GetLastError and its kind)
  Errno,    // a C library errno value
};

struct Error {
  std::int32_t number = 0;
  std::string description;
  ErrorSource source = ErrorSource::Program;
  friend bool operator==(const Error&, const Error&) = default;
};

// The numbers the program shows for failures it names itself; every other
// number comes from the platform and is shown unchanged.
// A file or folder that is not there, whichever platform said so: the
// platforms give their own "not found" this number, so that the program
// shows and means one number for it.
inline constexpr std::int32_t kErrFileNotFound = 53;
// A file that could not be reached as asked: deleted, yet still there.
inline constexpr std::int32_t kErrPathFileAccess = 75;
// Windows' own ERROR_ACCESS_DENIED, as the Windows platform reports a write
// or delete the system refused this process.
inline constexpr std::int32_t kWin32AccessDenied = 5;
// Windows' ERROR_HANDLE_EOF: a read past the end of a file.
inline constexpr std::int32_t kWin32HandleEof = 38;

// What the logic asks of a failure, asked here and nowhere else: the
// numbers above steer nothing outside these two.
// The failure of a file or folder that is not there.
inline bool IsNotFound(const Error& error) {
  return error.source == ErrorSource::Program && error.number == kErrFileNotFound;
}
// A write or delete Windows refused this process.
inline bool IsAccessDenied(const Error& error) {
  return error.source == ErrorSource::Win32 && error.number == kWin32AccessDenied;
}

// A Status or Result read the wrong way (the failure of a success, the value
// of a failure) is a fault of the program, not a failure to report: it ends
// the program on the spot.
[[noreturn]] inline void MisreadOutcome() { std::abort(); }

// Success, or the failure that stopped the operation. It reads like an
// optional failure: true when something failed.
//   if (Status failure = step()) return failure;
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(std::nullopt_t) {}                                                  // NOLINT: success
  Status(Error failure) : failure_(std::move(failure)) {}                    // NOLINT: implicit by design
  Status(std::optional<Error> failure) : failure_(std::move(failure)) {}     // NOLINT: implicit by design

  bool has_value() const { return failure_.has_value(); }
  explicit operator bool() const { return has_value(); }
  const Error& value() const { return checked(); }
  const Error& operator*() const { return checked(); }
  Error& operator*() { return checked(); }
  const Error* operator->() const { return &checked(); }
  Error* operator->() { return &checked(); }
  operator const std::optional<Error>&() const { return failure_; }  // NOLINT: implicit by design
  friend bool operator==(const Status&, const Status&) = default;

 private:
  const Error& checked() const {
    if (!failure_) MisreadOutcome();
    return *failure_;
  }
  Error& checked() {
    if (!failure_) MisreadOutcome();
    return *failure_;
  }

  std::optional<Error> failure_;
};

// A value, or the failure that kept it from being made. A union with its
// own tag rather than std::variant: the window program carries every copy
// and destruction of every kind of Result, and the variant's are larger.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : ok_(true) { new (&value_) T(std::move(value)); }        // NOLINT: implicit by design
  Result(Error error) : ok_(false) { new (&error_) Error(std::move(error)); }  // NOLINT: implicit by design
  Result(const Result& other) : ok_(other.ok_) {
    if (ok_) new (&value_) T(other.value_);
    else new (&error_) Error(other.error_);
  }
  Result(Result&& other) noexcept : ok_(other.ok_) {
    if (ok_) new (&value_) T(std::move(other.value_));
    else new (&error_) Error(std::move(other.error_));
  }
  Result& operator=(Result other) noexcept {
    destroy();
    new (this) Result(std::move(other));
    return *this;
  }
  ~Result() { destroy(); }

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return ok_ ? value_ : misread<const T&>(); }
  T& value() & { return ok_ ? value_ : misread<T&>(); }
  T&& value() && { return std::move(ok_ ? value_ : misread<T&>()); }
  const Error& error() const { return !ok_ ? error_ : misread<const Error&>(); }

 private:
  template <class U>
  [[noreturn]] static U misread() { MisreadOutcome(); }
  void destroy() {
    if (ok_) value_.~T();
    else error_.~Error();
  }

  union {
    T value_;
    Error error_;
  };
  bool ok_;
};

}  // namespace kovrena
