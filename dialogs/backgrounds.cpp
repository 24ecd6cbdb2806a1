#include "dialogs/backgrounds.h"

#include <algorithm>
#include <cmath>

namespace kovrena::dialogs {
namespace {

struct Colour {
  float r, g, b;
};

struct Stop {
  float at;
  Colour colour;
};

constexpr Colour kWhite{255, 255, 255};

// Colour a moved towards b by t (0..1).
Colour mix(Colour a, Colour b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint32_t channel(float v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

std::uint32_t pixel(Colour c) { return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b); }

// The colour at t (0..1) along a gradient of three or more stops.
Colour along(const Stop* stops, int count, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  for (int i = 1; i < count; ++i) {
    if (t <= stops[i].at) {
      return mix(stops[i - 1].colour, stops[i].colour, (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    }
  }
  return stops[count - 1].colour;
}

struct Gloss {
  int width, height;
  Colour rim;
  int rimWidth;
  int sheenRows;
  float sheenStrength;
};

// A panel coloured by base(x, y), lit from above: a soft sheen over its upper
// rows and a lighter rim that fades inwards.
void drawGlossy(std::uint32_t* pixels, const Gloss& g, Colour (*base)(int x, int y)) {
  for (int y = 0; y < g.height; ++y) {
    float sheen = 0;
    if (y < g.sheenRows) {
      const float fromTop = 1.0f - static_cast<float>(y) / static_cast<float>(g.sheenRows);
      sheen = g.sheenStrength * fromTop * fromTop;
    }
    for (int x = 0; x < g.width; ++x) {
      Colour c = mix(base(x, y), kWhite, sheen);
      const int edge = std::min({x, y, g.width - 1 - x, g.height - 1 - y});
      if (edge < g.rimWidth) {
        c = mix(c, g.rim, 0.65f * (1.0f - static_cast<float>(edge) / static_cast<float>(g.rimWidth)));
      }
      *pixels++ = pixel(c);
    }
  }
}

constexpr int kHelpWidth = 410, kHelpHeight = 300;

// The pink changes from row to row only; the title text on it is white, so
// the pink stays deep enough behind it.
Colour helpBase(int, int y) {
  static constexpr Stop kStops[] = {{0.0f, {236, 76, 156}}, {0.45f, {222, 52, 138}}, {1.0f, {178, 22, 104}}};
  return along(kStops, 3, static_cast<float>(y) / (kHelpHeight - 1));
}

void drawHelp(std::uint32_t* pixels) {
  drawGlossy(pixels, {kHelpWidth, kHelpHeight, {255, 190, 225}, 4, 120, 0.18f}, helpBase);
  // Where the light catches the top edge: a bright line that fades out
  // towards both ends.
  for (int x = 2; x < kHelpWidth - 2; ++x) {
    const float fade = std::min(1.0f, static_cast<float>(std::min(x - 2, kHelpWidth - 3 - x)) / 30.0f);
    for (int row = 1; row <= 2; ++row) {
      std::uint32_t& p = pixels[row * kHelpWidth + x];
      const Colour now{static_cast<float>(p >> 16 & 0xFF), static_cast<float>(p >> 8 & 0xFF),
                       static_cast<float>(p & 0xFF)};
      p = row == 1 ? pixel(mix(now, kWhite, 0.9f * fade)) : pixel(mix(now, {255, 235, 245}, 0.5f * fade));
    }
  }
}

constexpr int kAboutWidth = 378, kAboutHeight = 281;

// Light cyan in the top-left corner where the dark title sits, deep blue
// towards the bottom right under the light coloured link texts. The light
// spreads from the corner as a flat ellipse, twice as wide as tall.
Colour aboutBase(int x, int y) {
  static constexpr Stop kStops[] = {{0.0f, {168, 236, 255}},
                                    {0.16f, {88, 190, 246}},
                                    {0.42f, {30, 110, 214}},
                                    {0.75f, {12, 58, 170}},
                                    {1.0f, {6, 26, 112}}};
  const float across = static_cast<float>(x) / (kAboutWidth - 1) * 0.5f;
  const float down = static_cast<float>(y) / (kAboutHeight - 1);
  // The distance from the corner over the distance to the opposite corner,
  // sqrt(0.5^2 + 1).
  return along(kStops, 5, std::sqrt(across * across + down * down) / 1.118034f);
}

void drawAbout(std::uint32_t* pixels) {
  drawGlossy(pixels, {kAboutWidth, kAboutHeight, {190, 240, 255}, 5, 90, 0.12f}, aboutBase);
}

}  // namespace

const PanelPicture kHelpBackground{kHelpWidth, kHelpHeight, drawHelp};
const PanelPicture kAboutBackground{kAboutWidth, kAboutHeight, drawAbout};

}  // namespace kovrena::dialogs
