#include "dialogs/about_design.h"

namespace kovrena::dialogs {

AboutArea AboutAreaAt(int x, int y) {
  for (const ControlDesign& control : kAboutControls) {
    if (!control.rect.contains(x, y)) continue;
    if (control.id == AboutControl::emailgönder) return AboutArea::Email;
    if (control.id == AboutControl::lblDrenvikElectronics) return AboutArea::Web;
    return AboutArea::Other;
  }
  return AboutArea::Background;
}

}  // namespace kovrena::dialogs
