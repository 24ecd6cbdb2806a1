#include "dialogs/about.h"

#include "platform/product.h"

namespace kovrena::dialogs {

HakkındaYükleme HakkındaYükle(std::string_view programTitle, unsigned major, unsigned minor) {
  HakkındaYükleme texts;
  texts.başlık = std::string(programTitle) + " Hakkında ";
  texts.lblVersion = "Version: " + std::to_string(major) + "." + std::to_string(minor);
  texts.lblTitle = std::string(programTitle);
  return texts;
}

ShellRequest EpostaGönder() {
  return {"mailto:" + std::string(kSupportEmail), std::string(kLinkDirectory), kShowNormal};
}

ShellRequest WebSitesiniAç() {
  return {std::string(kWebHost), std::string(kLinkDirectory), kShowNormal};
}

std::vector<UnderlineChange> LinkHover::mouseMove(AboutArea area) {
  std::vector<UnderlineChange> changes;
  switch (area) {
    case AboutArea::Email:
      if (!emailVurgulu_) {
        emailVurgulu_ = true;
        changes.push_back({Link::Email, true});
      }
      break;
    case AboutArea::Web:
      if (!webVurgulu_) {
        webVurgulu_ = true;
        changes.push_back({Link::Web, true});
      }
      break;
    case AboutArea::Background:
      if (emailVurgulu_) {
        emailVurgulu_ = false;
        changes.push_back({Link::Email, false});
      }
      if (webVurgulu_) {
        webVurgulu_ = false;
        changes.push_back({Link::Web, false});
      }
      break;
    case AboutArea::Other:
      break;
  }
  return changes;
}

}  // namespace kovrena::dialogs
