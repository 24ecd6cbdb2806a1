#include "dialogs/about_design.h"

namespace kovrena::dialogs {

AboutArea AboutAreaAt(int x, int y) {
  for (const ControlDesign& control : kHakkındaDenetimleri) {
    if (!control.rect.contains(x, y)) continue;
    if (control.name == "emailgönder") return AboutArea::Email;
    if (control.name == "lblDrenvikElectronics") return AboutArea::Web;
    return AboutArea::Other;
  }
  return AboutArea::Background;
}

}  // namespace kovrena::dialogs
