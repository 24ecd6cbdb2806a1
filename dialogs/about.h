#pragma once
// The about window frmHakkında: the texts its load sets, its two links and
// the hover flags that decide when a link's underline is switched.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/about_design.h"

namespace kovrena::dialogs {

// What the load puts into the window, in the order it does so.
struct HakkındaYükleme {
  std::string başlık;      // window title
  std::string lblVersion;
  std::string lblTitle;
  friend bool operator==(const HakkındaYükleme&, const HakkındaYükleme&) = default;
};

// The load texts for the program title and the major and minor numbers of
// the program's own version record (the revision is never shown).
HakkındaYükleme HakkındaYükle(std::string_view programTitle, unsigned major, unsigned minor);

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
ShellRequest EpostaGönder();
// The web address as a bare host name: the tooltip shows the scheme, the
// request does not.
ShellRequest WebSitesiniAç();

enum class Link { Email, Web };
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

}  // namespace kovrena::dialogs
