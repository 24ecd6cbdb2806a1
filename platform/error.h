#pragma once
// The one failure value that crosses module lines: a number and a description,
// as the user sees them in the error report. No exception crosses a module.
#include <cstdint>
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

// The only numbers the logic gives a meaning to; every other number comes
// from the platform and is shown unchanged.
inline constexpr std::int32_t kErrFileNotFound = 53;
inline constexpr std::int32_t kErrDialogCancelled = 32755;

// Success, or the failure that stopped the operation.
using Status = std::optional<Error>;

template <class T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}         // NOLINT: implicit by design
  Result(Error error) : state_(std::move(error)) {}     // NOLINT: implicit by design
  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const Error& error() const { return std::get<Error>(state_); }

 private:
  std::variant<T, Error> state_;
};

}  // namespace kovrena
