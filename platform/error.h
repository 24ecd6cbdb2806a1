#pragma once
// The one failure value that crosses module lines: a number and a description,
// as the user sees them in the error report. No exception crosses a module;
// the compiler sees to it that no failure is dropped unread.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace kovrena {

struct Error {
  std::int32_t number = 0;
  std::string description;
  friend bool operator==(const Error&, const Error&) = default;
};

// The numbers the program shows for failures it names itself; every other
// number comes from the platform and is shown unchanged.
// A file or folder that is not there, whichever platform said so.
inline constexpr std::int32_t kErrFileNotFound = 53;
// A file that could not be reached as asked: deleted, yet still there.
inline constexpr std::int32_t kErrPathFileAccess = 75;
// Windows' own ERROR_ACCESS_DENIED, as the Windows platform reports a write
// or delete the system refused this process.
inline constexpr std::int32_t kWin32AccessDenied = 5;

// What the logic asks of a failure, asked here and nowhere else: the
// numbers above steer nothing outside these two.
// The failure of a file or folder that is not there.
inline bool IsNotFound(const Error& error) { return error.number == kErrFileNotFound; }
// A write or delete Windows refused this process (asked only where the
// host is Windows: the number means another thing in errno).
inline bool IsAccessDenied(const Error& error) { return error.number == kWin32AccessDenied; }

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

// A value, or the failure that kept it from being made.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}         // NOLINT: implicit by design
  Result(Error error) : state_(std::move(error)) {}     // NOLINT: implicit by design
  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return checked<T>(); }
  T& value() & { return checked<T>(); }
  T&& value() && { return std::move(checked<T>()); }
  const Error& error() const { return checked<Error>(); }

 private:
  template <class U>
  const U& checked() const {
    const U* held = std::get_if<U>(&state_);
    if (held == nullptr) MisreadOutcome();
    return *held;
  }
  template <class U>
  U& checked() {
    U* held = std::get_if<U>(&state_);
    if (held == nullptr) MisreadOutcome();
    return *held;
  }

  std::variant<T, Error> state_;
};

}  // namespace kovrena
