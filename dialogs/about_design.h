#pragma once
// The design of the about window frmHakkında and the hit test that tells
// which of its parts a point of the client area lies on.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/product.h"
#include "ui/design.h"

namespace kovrena::dialogs {

inline constexpr int kAboutClientWidth = 377;
inline constexpr int kAboutClientHeight = 281;

// The fonts of the design; a control names its own by this.
enum class AboutFont { Window, Verdana, Link };
inline constexpr std::array<ui::FontDesign, 3> kAboutFonts{{
    ui::kWindowFont,
    {"Verdana", 900, 400, true, ui::kTurkishCharset},  // Label1
    {"Arial", 1200, 700, true, ui::kTurkishCharset},   // Label2 and the two links
}};
constexpr const ui::FontDesign& AboutFontDesign(AboutFont font) {
  return kAboutFonts[static_cast<std::size_t>(font)];
}

enum class ControlKind { Label, Link, Button, Icon };

// The controls in tab order (cmdOK first); Image1, which takes no focus, last.
enum class AboutControl {
  cmdOK,
  cmdSysInfo,
  lblDisclaimer,
  lblTitle,
  lblVersion,
  emailgönder,
  Label1,
  lblDrenvikElectronics,
  Label2,
  Image1,
};

struct ControlDesign {
  AboutControl id;
  ControlKind kind;
  ui::Rect rect;
  std::string_view caption;
  std::optional<ui::Rgb> colour;  // none: the system's own text colour
  AboutFont font;
  ui::Align align;
  std::string_view tooltip;
};

inline constexpr std::string_view kEmailTooltip = "e-mail gönder";
inline constexpr std::string_view kSysInfoCaption = "&Sistem Bilgisi";
inline constexpr std::string_view kLabel1Caption =
    "Program hakkında soru, görüş ve önerileriniz ile program hatalarını aşağıdaki adrese mail "
    "atabilirsiniz";

// One row per control, in the order of AboutControl.
inline constexpr std::array<ControlDesign, 10> kAboutControls{{
    {AboutControl::cmdOK, ControlKind::Button, {263, 201, 92, 23}, "Tamam", std::nullopt, AboutFont::Window,
     ui::Align::Centre, {}},
    {AboutControl::cmdSysInfo, ControlKind::Button, {264, 230, 91, 23}, kSysInfoCaption, std::nullopt,
     AboutFont::Window, ui::Align::Centre, {}},
    // The caption is empty by design.
    {AboutControl::lblDisclaimer, ControlKind::Label, {22, 202, 233, 39}, "", ui::Rgb{0, 0, 0}, AboutFont::Window,
     ui::Align::Left, {}},
    {AboutControl::lblTitle, ControlKind::Label, {83, 20, 259, 24}, "", ui::Rgb{0, 0, 0}, AboutFont::Window,
     ui::Align::Left, {}},
    {AboutControl::lblVersion, ControlKind::Label, {83, 41, 259, 15}, "", std::nullopt, AboutFont::Window,
     ui::Align::Left, {}},
    {AboutControl::emailgönder, ControlKind::Link, {70, 157, 238, 20}, kSupportEmail, ui::Rgb{0xB9, 0xFF, 0xB9},
     AboutFont::Link, ui::Align::Centre, kEmailTooltip},
    {AboutControl::Label1, ControlKind::Label, {32, 67, 321, 33}, kLabel1Caption, ui::Rgb{0xFF, 0xFF, 0x00},
     AboutFont::Verdana, ui::Align::Centre, {}},
    {AboutControl::lblDrenvikElectronics, ControlKind::Link, {96, 129, 179, 18}, kWebHost,
     ui::Rgb{0xFF, 0xFF, 0xC0}, AboutFont::Link, ui::Align::Centre, kWebUrl},
    {AboutControl::Label2, ControlKind::Label, {99, 104, 179, 18}, "Drenvik Electronics", ui::Rgb{0x00, 0xFF, 0xFF},
     AboutFont::Link, ui::Align::Centre, {}},
    {AboutControl::Image1, ControlKind::Icon, {24, 21, 32, 32}, "", std::nullopt, AboutFont::Window,
     ui::Align::Left, {}},
}};

constexpr bool RowsFollowTheirIds() {
  for (std::size_t i = 0; i < kAboutControls.size(); ++i) {
    if (static_cast<std::size_t>(kAboutControls[i].id) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheirIds(), "kAboutControls lists the controls in the order of AboutControl");

constexpr const ControlDesign& AboutDesign(AboutControl control) {
  return kAboutControls[static_cast<std::size_t>(control)];
}

// Line1: an etched separator, the grey element above the white one.
struct LineDesign {
  int x1, y1, x2, y2;
  ui::Rgb colour;
  int width;
};
inline constexpr LineDesign kLine1Element1{23, 186, 354, 186, ui::Rgb{0x80, 0x80, 0x80}, 1};
inline constexpr LineDesign kLine1Element0{22, 187, 354, 187, ui::Rgb{0xFF, 0xFF, 0xFF}, 2};

// What a mouse move over a point of the client area is over. The lines take
// no mouse events: they are background.
enum class AboutArea { Email, Web, Other, Background };
AboutArea AboutAreaAt(int x, int y);

}  // namespace kovrena::dialogs
