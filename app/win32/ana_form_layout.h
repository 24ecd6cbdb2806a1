#pragma once
// AnaForm's design: every control with its class, caption, place and style.
// Positions are pixels of PictureZemin's client area (= pixels of the
// background picture); PictureZemin itself sits at (-3, -3) in the window.
#include <windows.h>

namespace kovrena::app::win32 {

inline constexpr int kClientWidth = 438;
inline constexpr int kClientHeight = 333;
inline constexpr COLORREF kPanelYellow = RGB(255, 255, 38);
inline constexpr COLORREF kSurroundPink = RGB(255, 0, 128);

enum ControlId : int {
  idPictureZemin = 100,
  idImage2,
  idImage1,
  idImgSimge,
  idImgKapat,
  idLabel1,
  idTxtExeYolu,
  idCmdGözat,
  idLabel2,
  idLabel3,
  idOptXPUygula,
  idOptGeriAl,
  idLblGeriAl,
  idCmdUygula,
  idMnuYardım = 200,
  idMnuHakkında,
};

struct ControlDesign {
  ControlId id;
  const wchar_t* windowClass;
  const wchar_t* caption;  // window text: also what screen readers announce
  int left, top, width, height;
  DWORD style;
  DWORD exStyle;
};

// Creation order is the tab order (z-order of siblings): PictureZemin's
// children by tab index, then the windowless pictures. Labels take no focus.
inline constexpr ControlDesign kChildren[] = {
    {idLabel1, L"STATIC", L"Program :", 18, 116, 77, 20, SS_RIGHT | SS_NOTIFY, 0},
    {idTxtExeYolu, L"EDIT", L"", 100, 114, 224, 22,
     WS_TABSTOP | WS_GROUP | ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {idCmdGözat, L"BUTTON", L"Gözat", 324, 113, 87, 24, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, 0},
    {idLabel2, L"STATIC", L"Drenvik Electronics", 15, 315, 127, 14, SS_LEFT | SS_NOTIFY, 0},
    {idLabel3, L"STATIC", L"Windows XP altında denetimleri XP tarzı görünmeyen programı seçiniz:",
     78, 70, 287, 28, SS_CENTER | SS_NOTIFY, 0},
    {idOptXPUygula, L"BUTTON", L"XP Tarzı görünüm desteği ver", 89, 174, 280, 24,
     WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {idOptGeriAl, L"BUTTON", L"Önceden yapılmış değişikliği geri al", 89, 200, 264, 23, BS_AUTORADIOBUTTON, 0},
    {idLblGeriAl, L"STATIC", L"(Programın çalışmasında problem yaşadıysanız)", 105, 221, 293, 18,
     SS_LEFT | SS_NOTIFY | WS_GROUP, 0},
    // 2633 twips = 175.53 px: placed at the nearest pixel, 176.
    {idCmdUygula, L"BUTTON", L"Uygula", 176, 279, 87, 24, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | WS_DISABLED, 0},
    {idImage2, L"STATIC", L"Yardım", 17, 19, 17, 17, SS_BITMAP | SS_NOTIFY, 0},
    {idImage1, L"STATIC", L"Kovrena", 140, 21, 163, 24, SS_BITMAP, 0},
    {idImgSimge, L"STATIC", L"Simge Durumuna Küçült", 389, 18, 19, 19, SS_BITMAP | SS_NOTIFY, 0},
    {idImgKapat, L"STATIC", L"Çıkış", 409, 18, 19, 19, SS_BITMAP | SS_NOTIFY, 0},
};

// Shape1: the outline that frames the two options and lblGeriAl.
inline constexpr RECT kShape1 = {41, 164, 41 + 370, 164 + 86};

}  // namespace kovrena::app::win32
