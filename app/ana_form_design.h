#pragma once
// AnaForm's design: the window, every control with its kind, caption, place
// and initial state, the pictures of the picture buttons by state, and where
// the background picture lies. Positions are pixels of PictureZemin's client
// area (= pixels of the background picture); PictureZemin itself sits at
// (-3, -3) in the window, so that the picture's panel fills the client area.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/product.h"
#include "ui/control_design.h"
#include "ui/design.h"

namespace kovrena::app {

// The window's caption: the text of its taskbar button.
inline constexpr std::string_view kAnaFormTitle = kProgramTitle;
inline constexpr int kAnaFormClientWidth = 438;
inline constexpr int kAnaFormClientHeight = 333;
// The font of the window and of every control on it.
inline constexpr ui::FontDesign kAnaFormFont{"Tahoma", 825, 700, false, ui::kTurkishCharset, ui::FontFamily::Swiss};

inline constexpr ui::Rgb kPanelYellow{255, 255, 38};
inline constexpr ui::Rgb kSurroundPink{255, 0, 128};

// The controls; the numbers are their window identifiers as well.
enum class AnaFormControl : int {
  PictureZemin = 100,
  Image2,
  Image1,
  imgSimge,
  imgKapat,
  Label1,
  txtExeYolu,
  cmdGözat,
  Label2,
  Label3,
  optXPUygula,
  optGeriAl,
  lblGeriAl,
  cmdUygula,
};

// PictureZemin: the background picture, source of the window's outline,
// kept at this size whatever the picture's own.
inline constexpr ui::Rect kPictureZeminRect{-3, -3, 443, 340};
inline constexpr std::string_view kPictureZeminPicture = "ZEMIN";
// Shape1: the outline that frames the two options and lblGeriAl.
inline constexpr ui::Rect kShape1{41, 164, 370, 86};
inline constexpr ui::Rgb kShape1Colour = kSurroundPink;

// The picture buttons' bitmap resources by state.
enum class PictureButton { Simge, Kapat };
enum class PictureState { Normal, Hovered, Pressed };
struct PictureButtonDesign {
  PictureButton button;
  AnaFormControl control;
  std::array<std::string_view, 3> pictures;  // by PictureState
};
inline constexpr std::array<PictureButtonDesign, 2> kPictureButtons{{
    {PictureButton::Simge, AnaFormControl::imgSimge, {"SIMGE", "SIMGEUST", "SIMGEALT"}},
    {PictureButton::Kapat, AnaFormControl::imgKapat, {"KAPAT", "KAPATUST", "KAPATALT"}},
}};
constexpr const PictureButtonDesign& PictureButtonOf(PictureButton button) {
  return kPictureButtons[static_cast<std::size_t>(button)];
}
constexpr std::string_view PictureResource(PictureButton button, PictureState state) {
  return PictureButtonOf(button).pictures[static_cast<std::size_t>(state)];
}
constexpr std::optional<PictureButton> PictureButtonAt(AnaFormControl control) {
  for (const PictureButtonDesign& design : kPictureButtons) {
    if (design.control == control) return design.button;
  }
  return std::nullopt;
}

using ui::ControlDesign;
using ui::ControlKind;

// The window's one control; every other control lies on it.
inline constexpr ControlDesign kAnaFormZemin[] = {
    {.id = AnaFormControl::PictureZemin, .kind = ControlKind::Picture, .rect = kPictureZeminRect,
     .holdsControls = true, .picture = kPictureZeminPicture},
};

// What the picture buttons are called, in their tips and by screen readers.
inline constexpr std::string_view kSimgeName = "Simge Durumuna Küçült";
inline constexpr std::string_view kKapatName = "Çıkış";

// Creation order is the tab order (z-order of siblings): PictureZemin's
// children by tab index, then the pictures, which take no focus. A picture's
// caption is not shown: it is the name screen readers give it, which the
// system's accessibility reads from the window text.
inline constexpr ControlDesign kAnaFormControls[] = {
    {.id = AnaFormControl::Label1, .kind = ControlKind::Label, .caption = "Program :", .rect = {18, 116, 77, 20},
     .align = ui::Align::Right},
    {.id = AnaFormControl::txtExeYolu, .kind = ControlKind::TextField, .caption = "", .rect = {100, 114, 224, 22},
     .tabStop = true, .groupStart = true, .textColour = kSurroundPink},
    {.id = AnaFormControl::cmdGözat, .kind = ControlKind::PushButton, .caption = "Gözat", .rect = {324, 113, 87, 24},
     .tabStop = true, .groupStart = true, .backColour = kPanelYellow},
    {.id = AnaFormControl::Label2, .kind = ControlKind::Label, .caption = "Drenvik Electronics",
     .rect = {15, 315, 127, 14}, .textColour = ui::Rgb{0, 0, 0}},
    {.id = AnaFormControl::Label3, .kind = ControlKind::Label,
     .caption = "Windows XP altında denetimleri XP tarzı görünmeyen programı seçiniz:", .rect = {78, 70, 287, 28},
     .align = ui::Align::Centre},
    {.id = AnaFormControl::optXPUygula, .kind = ControlKind::OptionButton, .caption = "XP Tarzı görünüm desteği ver",
     .rect = {89, 174, 280, 24}, .tabStop = true, .groupStart = true, .selected = true, .backColour = kPanelYellow},
    {.id = AnaFormControl::optGeriAl, .kind = ControlKind::OptionButton,
     .caption = "Önceden yapılmış değişikliği geri al", .rect = {89, 200, 264, 23}, .backColour = kPanelYellow},
    {.id = AnaFormControl::lblGeriAl, .kind = ControlKind::Label,
     .caption = "(Programın çalışmasında problem yaşadıysanız)", .rect = {105, 221, 293, 18}, .groupStart = true},
    // 2633 twips = 175.53 px: placed at the nearest pixel, 176.
    {.id = AnaFormControl::cmdUygula, .kind = ControlKind::PushButton, .caption = "Uygula", .rect = {176, 279, 87, 24},
     .tabStop = true, .groupStart = true, .enabled = false, .backColour = kPanelYellow},
    {.id = AnaFormControl::Image2, .kind = ControlKind::Picture, .caption = "Yardım ve Hakkında", .rect = {17, 19, 17, 17},
     .handPointer = true, .picture = "YARDIMISARETI", .tooltip = "Yardım"},
    {.id = AnaFormControl::Image1, .kind = ControlKind::Picture, .caption = kAnaFormTitle, .rect = {140, 21, 163, 24},
     .takesMouse = false, .picture = "BASLIK"},
    {.id = AnaFormControl::imgSimge, .kind = ControlKind::Picture, .caption = kSimgeName, .rect = {389, 18, 19, 19},
     .picture = PictureResource(PictureButton::Simge, PictureState::Normal), .tooltip = kSimgeName},
    {.id = AnaFormControl::imgKapat, .kind = ControlKind::Picture, .caption = kKapatName, .rect = {409, 18, 19, 19},
     .picture = PictureResource(PictureButton::Kapat, PictureState::Normal), .tooltip = kKapatName},
};

constexpr const ControlDesign* AnaFormDesign(AnaFormControl control) {
  return ui::DesignOf(kAnaFormControls, control);
}

// The popup menu mnuPop, its items in this order.
enum class MenuItem : int { mnuYardım = 200, mnuHakkında };
struct MenuItemDesign {
  MenuItem item;
  std::string_view caption;
};
inline constexpr std::array<MenuItemDesign, 2> kPopupMenu{{
    {MenuItem::mnuYardım, "Yardım ve Uyarılar"},
    {MenuItem::mnuHakkında, "Hakkında"},
}};

}  // namespace kovrena::app
