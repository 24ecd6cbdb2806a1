#include "dialogs/about.h"

#include "platform/product.h"
#include "text/decimal.h"

namespace kovrena::dialogs {

AboutTexts AboutLoadTexts(std::string_view programTitle, unsigned major, unsigned minor) {
  AboutTexts texts;
  texts.title = std::string(programTitle) + " Hakkında ";
  texts.lblVersion = "Version: " + text::Decimal(major) + "." + text::Decimal(minor);
  texts.lblTitle = std::string(programTitle);
  return texts;
}

ShellRequest MailRequest() {
  return {"mailto:" + std::string(kSupportEmail), std::string(kLinkDirectory), kShowNormal};
}

ShellRequest WebRequest() {
  return {std::string(kWebHost), std::string(kLinkDirectory), kShowNormal};
}

std::optional<Link> LinkAt(int x, int y) {
  switch (AboutAreaAt(x, y)) {
    case AboutArea::Email:
      return Link::Email;
    case AboutArea::Web:
      return Link::Web;
    default:
      return std::nullopt;
  }
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

std::vector<UnderlineChange> AboutMouse::mouseMove(int x, int y) {
  AboutArea area = AboutAreaAt(x, y);
  if (const std::optional<Link>& pressed = click_.pressed()) {
    area = *pressed == Link::Email ? AboutArea::Email : AboutArea::Web;
  }
  return hover_.mouseMove(area);
}

bool AboutMouse::buttonDown(int x, int y) { return click_.press(LinkAt(x, y)); }

std::optional<Link> AboutMouse::buttonUp(int x, int y) { return click_.release(LinkAt(x, y)); }

}  // namespace kovrena::dialogs
