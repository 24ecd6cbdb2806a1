#include "dialogs/help_text.h"

namespace kovrena::dialogs {

std::string HelpText() {
  constexpr std::string_view kLineBreak = "\r\n";
  std::string text;
  text.reserve(kHelpP1.size() + kHelpHeading.size() + kHelpP2.size() + kHelpP3.size() +
               kHelpP4.size() + 7 * kLineBreak.size());
  text.append(kHelpP1).append(kLineBreak).append(kLineBreak);
  // The heading stands directly above its paragraph: one break, not two.
  text.append(kHelpHeading).append(kLineBreak);
  text.append(kHelpP2).append(kLineBreak).append(kLineBreak);
  text.append(kHelpP3).append(kLineBreak).append(kLineBreak);
  text.append(kHelpP4);
  return text;
}

}  // namespace kovrena::dialogs
