#pragma once
// Tables with one row per value of an enum, row i for value i: looked up by
// the value, and checked at build time to stay so.
#include <array>
#include <cstddef>

namespace kovrena::outcomes {

template <auto Key, class Row, std::size_t N>
constexpr bool RowsInOrder(const std::array<Row, N>& rows) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(rows[i].*Key) != i) return false;
  }
  return true;
}

template <class Row, std::size_t N, class Value>
constexpr const Row& RowFor(const std::array<Row, N>& rows, Value value) {
  return rows[static_cast<std::size_t>(value)];
}

}  // namespace kovrena::outcomes
