#pragma once
// The design of the about window frmHakkında and the hit test that tells
// which of its parts a point of the client area lies on.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/product.h"
#include "ui/control_design.h"
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

using ui::ControlDesign;
using ui::ControlKind;

// The controls; the numbers are their window identifiers as well.
enum class AboutControl {
  cmdOK = ui::kOkId,
  cmdSysInfo = 1001,
  lblDisclaimer,
  lblTitle,
  lblVersion,
  emailgönder,
  Label1,
  lblDrenvikElectronics,
  Label2,
  Image1,
};

inline constexpr std::string_view kEmailTooltip = "e-mail gönder";
inline constexpr std::string_view kSysInfoCaption = "&Sistem Bilgisi";
inline constexpr std::string_view kLabel1Caption =
    "Program hakkında soru, görüş ve önerileriniz ile program hatalarını aşağıdaki adrese mail "
    "atabilirsiniz";

// One row per control, in the window's reading order, which is the order
// screen readers walk and the tab order: the links (tab stops, so that the
// keyboard reaches them; Enter or the space bar follows one), then the
// buttons, cmdOK taking the first focus. The labels leave the mouse to the
// window, which tells them apart by position as the design does; a link's
// tip shows over its place.
inline constexpr std::array<ControlDesign, 10> kAboutControls{{
    {.id = AboutControl::lblTitle, .rect = {83, 20, 259, 24}, .takesMouse = false, .textColour = ui::Rgb{0, 0, 0}},
    {.id = AboutControl::lblVersion, .rect = {83, 41, 259, 15}, .takesMouse = false},
    {.id = AboutControl::Label1, .caption = kLabel1Caption, .rect = {32, 67, 321, 33}, .align = ui::Align::Centre,
     .font = AboutFont::Verdana, .takesMouse = false, .textColour = ui::Rgb{0xFF, 0xFF, 0x00}},
    {.id = AboutControl::Label2, .caption = "Drenvik Electronics", .rect = {99, 104, 179, 18},
     .align = ui::Align::Centre, .font = AboutFont::Link, .takesMouse = false, .textColour = ui::Rgb{0x00, 0xFF, 0xFF}},
    {.id = AboutControl::lblDrenvikElectronics, .caption = kWebHost, .rect = {96, 129, 179, 18},
     .align = ui::Align::Centre, .font = AboutFont::Link, .tabStop = true, .takesMouse = false, .tooltip = kWebUrl,
     .textColour = ui::Rgb{0xFF, 0xFF, 0xC0}},
    {.id = AboutControl::emailgönder, .caption = kSupportEmail, .rect = {70, 157, 238, 20}, .align = ui::Align::Centre,
     .font = AboutFont::Link, .tabStop = true, .takesMouse = false, .tooltip = kEmailTooltip,
     .textColour = ui::Rgb{0xB9, 0xFF, 0xB9}},
    // The caption is empty by design.
    {.id = AboutControl::lblDisclaimer, .rect = {22, 202, 233, 39}, .takesMouse = false,
     .textColour = ui::Rgb{0, 0, 0}},
    {.id = AboutControl::cmdOK, .kind = ControlKind::PushButton, .caption = "Tamam", .rect = {263, 201, 92, 23},
     .tabStop = true},
    {.id = AboutControl::cmdSysInfo, .kind = ControlKind::PushButton, .caption = kSysInfoCaption,
     .rect = {264, 230, 91, 23}, .tabStop = true},
    {.id = AboutControl::Image1, .kind = ControlKind::Icon, .rect = {24, 21, 32, 32}, .takesMouse = false},
}};

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
