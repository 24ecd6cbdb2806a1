#pragma once
// The inner loops of the scan: finding the ends of key and non-key runs in
// one row. A picture has millions of pixels, so eight bytes are compared at a
// time: the row is read as 64-bit words, XORed with the key repeated once per
// pixel, and a pixel matches when its lane of that difference is zero.
// Only the pixel bytes of the row are read, never its padding.
#include <bit>
#include <cstdint>
#include <cstddef>
#include <cstring>

#include "shaping/key_colour.h"

namespace kovrena::shaping::detail {

static_assert(std::endian::native == std::endian::little, "pixel lanes are laid out little-endian");

template <int Bpp>
class RowScan {
  static_assert(Bpp >= 1 && Bpp <= 4);

  static constexpr int kLaneBits = 8 * Bpp;
  // Pixels compared per word; a 3-byte pixel leaves the word's top two bytes unused.
  static constexpr int kLanes = Bpp == 3 ? 2 : 8 / Bpp;
  // Pixels a word load spans from its first pixel on (bytes read: 8).
  static constexpr int kSpan = (8 + Bpp - 1) / Bpp;
  // The fourth byte of a 32-bit pixel never takes part in a match.
  static constexpr std::uint64_t kLaneCompare = Bpp >= 3 ? 0xFFFFFFu : (std::uint64_t{1} << kLaneBits) - 1;

  static constexpr std::uint64_t repeat(std::uint64_t lane) {
    std::uint64_t word = 0;
    for (int k = 0; k < kLanes; ++k) word |= lane << (k * kLaneBits);
    return word;
  }
  static constexpr std::uint64_t kCompareMask = repeat(kLaneCompare);
  static constexpr std::uint64_t kLaneTop = repeat(std::uint64_t{1} << (kLaneBits - 1));
  static constexpr std::uint64_t kLaneRest = repeat((std::uint64_t{1} << (kLaneBits - 1)) - 1);

 public:
  RowScan(const KeyColour& key, std::int32_t width) : width_(width) {
    for (int k = 0; k < key.count && k < 3; ++k) keyLane_ |= std::uint32_t{key.values[k]} << (8 * k);
    keyWord_ = repeat(keyLane_);
  }

  void setRow(const std::uint8_t* row) { row_ = row; }

  // First x' >= x whose pixel does not match, or width.
  std::int32_t skipMatching(std::int32_t x) const {
    for (; x <= width_ - kSpan; x += kLanes) {
      const std::uint64_t d = differenceAt(x);
      if (d != 0) return x + laneOf(std::countr_zero(d));
    }
    for (; x < width_ && matchesAt(x); ++x) {
    }
    return x;
  }

  // First x' >= x whose pixel matches, or width. Where the long stretches of
  // a typical picture are, hence two words per step.
  std::int32_t skipNonMatching(std::int32_t x) const {
    for (; x <= width_ - kSpan - kLanes; x += 2 * kLanes) {
      const std::uint64_t first = zeroLanes(differenceAt(x));
      const std::uint64_t second = zeroLanes(differenceAt(x + kLanes));
      if ((first | second) == 0) continue;
      if (first != 0) return x + laneOf(std::countr_zero(first));
      return x + kLanes + laneOf(std::countr_zero(second));
    }
    for (; x <= width_ - kSpan; x += kLanes) {
      const std::uint64_t zero = zeroLanes(differenceAt(x));
      if (zero != 0) return x + laneOf(std::countr_zero(zero));
    }
    for (; x < width_ && !matchesAt(x); ++x) {
    }
    return x;
  }

  // The last non-matching pixel z >= from, searching from the right end;
  // the pixel at from must not match.
  std::int32_t lastNonMatching(std::int32_t from) const {
    std::int32_t z = width_ - 1;
    // A word ending at the last byte of pixel z; a 3-byte pixel's word starts
    // two bytes into the pixel before its pair, which the shift drops.
    for (; z >= from && z + 1 >= kSpan; z -= kLanes) {
      std::uint64_t word;
      std::memcpy(&word, row_ + (static_cast<std::ptrdiff_t>(z) + 1) * Bpp - 8, 8);
      const std::uint64_t d = ((word >> (64 - kLanes * kLaneBits)) ^ keyWord_) & kCompareMask;
      if (d != 0) return z - (kLanes - 1) + laneOf(63 - std::countl_zero(d));
    }
    for (; z > from && matchesAt(z); --z) {
    }
    return z;
  }

 private:
  static std::int32_t laneOf(int bit) { return bit / kLaneBits; }

  // Top bit of each lane set exactly where the lane is zero; no false hits
  // above a zero lane, because no lane's sum carries into the next.
  static std::uint64_t zeroLanes(std::uint64_t d) {
    return ~(((d & kLaneRest) + kLaneRest) | d | kLaneRest) & kLaneTop;
  }

  std::uint64_t differenceAt(std::int32_t x) const {
    std::uint64_t word;
    std::memcpy(&word, row_ + static_cast<std::ptrdiff_t>(x) * Bpp, 8);
    return (word ^ keyWord_) & kCompareMask;
  }

  bool matchesAt(std::int32_t x) const {
    const std::uint8_t* p = row_ + static_cast<std::ptrdiff_t>(x) * Bpp;
    std::uint32_t value = p[0];
    if constexpr (Bpp >= 2) value |= std::uint32_t{p[1]} << 8;
    if constexpr (Bpp >= 3) value |= std::uint32_t{p[2]} << 16;
    return value == keyLane_;
  }

  const std::uint8_t* row_ = nullptr;
  std::int32_t width_;
  std::uint32_t keyLane_ = 0;
  std::uint64_t keyWord_ = 0;
};

}  // namespace kovrena::shaping::detail
