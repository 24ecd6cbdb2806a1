#include "manifest/text_replace.h"

namespace kovrena::manifest {

std::string replaceAll(std::string_view text, std::string_view word, std::string_view replacement) {
  if (word.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t found = text.find(word); found != std::string_view::npos;
       found = text.find(word, from)) {
    result.append(text, from, found - from);
    result.append(replacement);
    from = found + word.size();
  }
  result.append(text, from);
  return result;
}

std::string escapeXmlAttribute(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': result += "&amp;"; break;
      case '<': result += "&lt;"; break;
      case '>': result += "&gt;"; break;
      case '"': result += "&quot;"; break;
      default: result += c; break;
    }
  }
  return result;
}

}  // namespace kovrena::manifest
