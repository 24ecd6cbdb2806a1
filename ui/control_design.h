#pragma once
// A window's controls as data: one row per control, in the order they are
// created, which is the tab order. Every window declares its table in this
// one type; the windows number their controls and fonts with enumerations
// of their own.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

#include "ui/design.h"

namespace kovrena::ui {

// A value of one of a window's own enumerations (a control, a font) kept as
// its number, so that the tables of different windows share one type; it
// turns back into the window's enumeration wherever the window reads it.
class EnumNumber {
 public:
  constexpr EnumNumber() = default;
  template <class Enum>
    requires std::is_enum_v<Enum>
  constexpr EnumNumber(Enum value) : number_(static_cast<std::int16_t>(value)) {}
  template <class Enum>
    requires std::is_enum_v<Enum>
  constexpr operator Enum() const {
    return static_cast<Enum>(number_);
  }
  constexpr explicit operator int() const { return number_; }
  friend constexpr bool operator==(EnumNumber, EnumNumber) = default;
  // Compared with the window's enumeration directly: through the conversion
  // either way the comparison would be ambiguous.
  template <class Enum>
    requires std::is_enum_v<Enum>
  friend constexpr bool operator==(EnumNumber number, Enum value) {
    return number.number_ == static_cast<std::int16_t>(value);
  }

 private:
  // Small: the tables are part of the program's size.
  std::int16_t number_ = 0;
};

// The system's number for OK: Enter presses the control that carries it,
// which is therefore the default button.
inline constexpr int kOkId = 1;

enum class ControlKind : std::uint8_t { Label, TextField, PushButton, OptionButton, Picture, Icon };

struct ControlDesign {
  EnumNumber id;  // also the control's window identifier
  ControlKind kind = ControlKind::Label;
  // Also what screen readers announce; labels show it as written, pictures
  // not at all (it is only their name).
  std::string_view caption = {};
  Rect rect;                      // in the parent's client area
  Align align = Align::Left;      // labels
  EnumNumber font = {};           // one of the window's fonts; the first unless named
  bool tabStop = false;
  bool groupStart = false;  // starts a group of the keyboard interface
  bool enabled = true;
  bool selected = false;      // option buttons
  bool takesMouse = true;     // labels, pictures, icons; false: the mouse falls through to the parent
  bool multiLine = false;     // text fields: lines under one another and a vertical scroll bar
  bool holdsControls = false; // a picture that is the parent of other controls
  bool handPointer = false;   // shows the pointing hand instead of the arrow
  std::string_view picture = {};  // pictures: the bitmap resource shown at start
  std::string_view tooltip = {};
  std::optional<Rgb> textColour = {};  // none: the system's
  std::optional<Rgb> backColour = {};  // none: transparent over the window's picture (text fields: the system's)
};

// The row of a control; null when the table has none for it.
constexpr const ControlDesign* DesignOf(std::span<const ControlDesign> table, EnumNumber id) {
  for (const ControlDesign& design : table) {
    if (design.id == id) return &design;
  }
  return nullptr;
}

}  // namespace kovrena::ui
