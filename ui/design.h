#pragma once
// Plain data for window designs: positions in pixels, colours, fonts.
#include <cstdint>
#include <string_view>

namespace kovrena::ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  constexpr bool contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The family a font asks for when its face is missing.
enum class FontFamily { DontCare, Swiss };

struct FontDesign {
  std::string_view face;
  int hundredthsOfPoint = 0;  // 825 for 8.25 pt
  int weight = 400;
  bool italic = false;
  int charset = 0;
  FontFamily family = FontFamily::DontCare;
};

// The designs were drawn at 96 DPI: a point size stands for the pixels it
// had there (8.25 pt: 11 pixels), rounded as the system rounds.
constexpr int DesignPixelHeight(const FontDesign& design) { return (design.hundredthsOfPoint * 96 + 3600) / 7200; }

inline constexpr int kTurkishCharset = 162;
// The window font of the help and about windows, inherited by controls
// without their own.
inline constexpr FontDesign kWindowFont{"Tahoma", 825, 700, false, kTurkishCharset};

enum class Align : std::uint8_t { Left, Right, Centre };

}  // namespace kovrena::ui
