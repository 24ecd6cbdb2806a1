#pragma once
// The design of the about window frmHakkında and the hit test that tells
// which of its parts a point of the client area lies on.
#include <array>
#include <optional>
#include <string_view>

#include "dialogs/design.h"
#include "platform/product.h"

namespace kovrena::dialogs {

inline constexpr int kHakkındaGenişlik = 377;  // client area
inline constexpr int kHakkındaYükseklik = 281;

inline constexpr FontDesign kVerdanaİtalik{"Verdana", 900, 400, true, kTurkishCharset};
inline constexpr FontDesign kArialKalınİtalik{"Arial", 1200, 700, true, kTurkishCharset};

enum class ControlKind { Label, Link, Button, Icon };

struct ControlDesign {
  std::string_view name;
  ControlKind kind;
  Rect rect;
  std::string_view caption;
  std::optional<Rgb> colour;  // none: the system's own text colour
  const FontDesign* font;       // the window font when it is the window's
  Align align;
  std::string_view tooltip;
};

inline constexpr std::string_view kEpostaİpucu = "e-mail gönder";
inline constexpr std::string_view kSistemBilgisiYazısı = "&Sistem Bilgisi";
inline constexpr std::string_view kEtiket1Yazısı =
    "Program hakkında soru, görüş ve önerileriniz ile program hatalarını aşağıdaki adrese mail "
    "atabilirsiniz";

// In tab order (cmdOK first); Image1, which takes no focus, last.
inline constexpr std::array<ControlDesign, 10> kHakkındaDenetimleri{{
    {"cmdOK", ControlKind::Button, {263, 201, 92, 23}, "Tamam", std::nullopt, &kPencereYazıTipi,
     Align::Centre, {}},
    {"cmdSysInfo", ControlKind::Button, {264, 230, 91, 23}, kSistemBilgisiYazısı, std::nullopt,
     &kPencereYazıTipi, Align::Centre, {}},
    // The caption is empty by design.
    {"lblDisclaimer", ControlKind::Label, {22, 202, 233, 39}, "", Rgb{0, 0, 0}, &kPencereYazıTipi,
     Align::Left, {}},
    {"lblTitle", ControlKind::Label, {83, 20, 259, 24}, "", Rgb{0, 0, 0}, &kPencereYazıTipi,
     Align::Left, {}},
    {"lblVersion", ControlKind::Label, {83, 41, 259, 15}, "", std::nullopt, &kPencereYazıTipi,
     Align::Left, {}},
    {"emailgönder", ControlKind::Link, {70, 157, 238, 20}, kSupportEmail, Rgb{0xB9, 0xFF, 0xB9},
     &kArialKalınİtalik, Align::Centre, kEpostaİpucu},
    {"Label1", ControlKind::Label, {32, 67, 321, 33}, kEtiket1Yazısı, Rgb{0xFF, 0xFF, 0x00},
     &kVerdanaİtalik, Align::Centre, {}},
    {"lblDrenvikElectronics", ControlKind::Link, {96, 129, 179, 18}, kWebHost,
     Rgb{0xFF, 0xFF, 0xC0}, &kArialKalınİtalik, Align::Centre, kWebUrl},
    {"Label2", ControlKind::Label, {99, 104, 179, 18}, "Drenvik Electronics", Rgb{0x00, 0xFF, 0xFF},
     &kArialKalınİtalik, Align::Centre, {}},
    {"Image1", ControlKind::Icon, {24, 21, 32, 32}, "", std::nullopt, &kPencereYazıTipi, Align::Left,
     {}},
}};

// Line1: an etched separator, the grey element above the white one.
struct LineDesign {
  int x1, y1, x2, y2;
  Rgb colour;
  int width;
};
inline constexpr LineDesign kÇizgi1Öğe1{23, 186, 354, 186, Rgb{0x80, 0x80, 0x80}, 1};
inline constexpr LineDesign kÇizgi1Öğe0{22, 187, 354, 187, Rgb{0xFF, 0xFF, 0xFF}, 2};

// What a mouse move over a point of the client area is over. The lines take
// no mouse events: they are background.
enum class AboutArea { Email, Web, Other, Background };
AboutArea AboutAreaAt(int x, int y);

}  // namespace kovrena::dialogs
