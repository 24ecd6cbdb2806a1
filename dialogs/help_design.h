#pragma once
// The design of the help window frmYardım.
#include "dialogs/design.h"

namespace kovrena::dialogs {

inline constexpr int kYardımGenişlik = 410;  // client area, which is the whole window
inline constexpr int kYardımYükseklik = 300;

inline constexpr Rect kYardımEtiketKonumu{49, 15, 312, 18};    // Label1
inline constexpr Rect kYardımMetinKonumu{22, 38, 365, 207};    // txtYardım
inline constexpr Rect kYardımTamamKonumu{148, 253, 114, 27};   // cmdTamam

inline constexpr Rgb kYardımEtiketRengi{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kYardımMetinZemini{0xFF, 0xFF, 0x00};
inline constexpr FontDesign kYardımMetinYazıTipi{"Tahoma", 825, 400, false, kTurkishCharset};

}  // namespace kovrena::dialogs
