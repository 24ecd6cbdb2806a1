#include "dialogs/help_text.h"

namespace kovrena::dialogs {

std::string YardımMetni() {
  constexpr std::string_view kLineBreak = "\r\n";
  std::string text;
  text.reserve(kYardımP1.size() + kYardımÖnBilgi.size() + kYardımP2.size() + kYardımP3.size() +
               kYardımP4.size() + 7 * kLineBreak.size());
  text.append(kYardımP1).append(kLineBreak).append(kLineBreak);
  // The heading stands directly above its paragraph: one break, not two.
  text.append(kYardımÖnBilgi).append(kLineBreak);
  text.append(kYardımP2).append(kLineBreak).append(kLineBreak);
  text.append(kYardımP3).append(kLineBreak).append(kLineBreak);
  text.append(kYardımP4);
  return text;
}

}  // namespace kovrena::dialogs
