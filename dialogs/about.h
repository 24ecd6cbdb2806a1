#pragma once
// The about window frmHakkında: the texts its load sets, its two links, the
// hover flags that decide when a link's underline is switched, and what the
// mouse does over the window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/about_design.h"
#include "ui/click.h"

namespace kovrena::dialogs {

// What the load puts into the window, in the order it does so.
struct AboutTexts {
  std::string title;  // the window's title text
  std::string lblVersion;
  std::string lblTitle;
  friend bool operator==(const AboutTexts&, const AboutTexts&) = default;
};

// The load texts for the program title and the major and minor numbers of
// the program's own version record (the revision is never shown).
AboutTexts AboutLoadTexts(std::string_view programTitle, unsigned major, unsigned minor);

// A ShellExecute request: no verb and no parameters; only these vary.
struct ShellRequest {
  std::string file;
  std::string directory;
  int showCommand = 0;
  friend bool operator==(const ShellRequest&, const ShellRequest&) = default;
};
inline constexpr std::string_view kLinkDirectory = "C:\\";
inline constexpr int kShowNormal = 1;
// A new mail to the support address (no subject or other fields).
ShellRequest MailRequest();
// The web address as a bare host name: the tooltip shows the scheme, the
// request does not.
ShellRequest WebRequest();

enum class Link { Email, Web };
constexpr AboutControl LinkControl(Link link) {
  return link == Link::Email ? AboutControl::emailgönder : AboutControl::lblDrenvikElectronics;
}
// The link at a point of the client area, if any.
std::optional<Link> LinkAt(int x, int y);

struct UnderlineChange {
  Link link;
  bool underlined;
  friend bool operator==(const UnderlineChange&, const UnderlineChange&) = default;
};

// emailVurgulu and webVurgulu: true exactly while the link is underlined. A
// link's font is switched only on an actual change, so repeated moves inside
// a link, or over labels and buttons, redraw nothing.
class LinkHover {
 public:
  // The underline switches a mouse move over the area calls for, in the
  // order they are to be made (e-mail before web when both go off).
  std::vector<UnderlineChange> mouseMove(AboutArea area);
  bool emailVurgulu() const { return emailVurgulu_; }
  bool webVurgulu() const { return webVurgulu_; }

 private:
  bool emailVurgulu_ = false;
  bool webVurgulu_ = false;
};

// The mouse over the window: hovering, and a click on a link, which is the
// left button pressed and released over the same link. While a press on a
// link holds the mouse, the moves belong to that link, wherever they are.
class AboutMouse {
 public:
  std::vector<UnderlineChange> mouseMove(int x, int y);
  // The left button pressed: true when a link takes the mouse until the release.
  bool buttonDown(int x, int y);
  // The left button released: the link to follow, if it was clicked.
  std::optional<Link> buttonUp(int x, int y);
  // The mouse went to another window while pressed: no click follows.
  void captureLost() { click_.captureLost(); }
  const LinkHover& hover() const { return hover_; }

 private:
  LinkHover hover_;
  ui::ClickTracker<Link> click_;
};

}  // namespace kovrena::dialogs
