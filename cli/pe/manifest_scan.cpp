#include "cli/pe/manifest_scan.h"

#include <optional>
#include <string>
#include <vector>

namespace kovrena::cli {

namespace {

// Elements deeper than this are still skipped correctly, only not tracked:
// a dependency sits three levels down.
constexpr std::size_t kMaxTrackedDepth = 64;
constexpr char kNotAscii = '\x7F';

// Every markup character of a manifest is ASCII, so the document is read
// as ASCII whatever its encoding; other characters become one placeholder.
std::string asciiOf(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) return std::string(bytes.substr(3));
  if (bytes.size() < 2) return std::string(bytes);
  const bool littleEndian = (byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) != 0 && byte(1) == 0);
  const bool bigEndian = (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0 && byte(1) != 0);
  if (!littleEndian && !bigEndian) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned unit = littleEndian ? byte(i) | byte(i + 1) << 8 : byte(i) << 8 | byte(i + 1);
    if (unit == 0xFEFF) continue;
    text.push_back(unit < 0x80 ? static_cast<char>(unit) : kNotAscii);
  }
  return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view localName(std::string_view name) {
  const std::size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The major number of a version text such as "6.0.0.0".
bool majorVersionIsSix(std::string_view version) {
  std::size_t i = 0;
  while (i < version.size() && version[i] == '0') ++i;
  return i < version.size() && version[i] == '6' && (i + 1 == version.size() || version[i + 1] == '.');
}

struct Tag {
  std::string_view name;
  std::string_view nameAttribute;
  std::string_view versionAttribute;
  bool closing = false;
  bool selfClosing = false;
};

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool asksForV6() {
    std::vector<std::string_view> open;
    for (std::size_t at = text_.find('<'); at != std::string_view::npos; at = text_.find('<', at_)) {
      at_ = at;
      if (skipped("<!--", "-->") || skipped("<![CDATA[", "]]>") || skipped("<?", "?>") || skipped("<!", ">")) {
        if (at_ == std::string_view::npos) return false;
        continue;
      }
      const std::optional<Tag> tag = readTag();
      if (!tag) return false;
      const std::string_view name = localName(tag->name);
      if (tag->closing) {
        closeElement(open, name);
        continue;
      }
      if (name == "assemblyIdentity" && open.size() >= 2 && open[open.size() - 1] == "dependentAssembly" &&
          open[open.size() - 2] == "dependency" &&
          equalsIgnoringCase(tag->nameAttribute, "Microsoft.Windows.Common-Controls") &&
          majorVersionIsSix(tag->versionAttribute)) {
        return true;
      }
      if (!tag->selfClosing) {
        if (open.size() < kMaxTrackedDepth) open.push_back(name);
        else ++untracked_;
      }
    }
    return false;
  }

 private:
  // Skips a construct that runs from opening to closing; at_ becomes npos
  // when it never closes.
  bool skipped(std::string_view opening, std::string_view closing) {
    if (text_.compare(at_, opening.size(), opening) != 0) return false;
    const std::size_t end = text_.find(closing, at_ + opening.size());
    at_ = end == std::string_view::npos ? end : end + closing.size();
    return true;
  }

  void closeElement(std::vector<std::string_view>& open, std::string_view name) {
    if (untracked_ > 0) {
      --untracked_;
      return;
    }
    // Lenient about bad nesting: close up to the nearest element of that name.
    for (std::size_t i = open.size(); i > 0; --i) {
      if (open[i - 1] == name) {
        open.resize(i - 1);
        return;
      }
    }
  }

  std::string_view readName() {
    const std::size_t start = at_;
    while (at_ < text_.size() && !isBlank(text_[at_]) && text_[at_] != '>' && text_[at_] != '/' &&
           text_[at_] != '=') {
      ++at_;
    }
    return text_.substr(start, at_ - start);
  }

  void skipBlanks() {
    while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
  }

  // The tag at at_ ('<'); nothing when the text ends inside it.
  std::optional<Tag> readTag() {
    Tag tag;
    ++at_;
    if (at_ < text_.size() && text_[at_] == '/') {
      tag.closing = true;
      ++at_;
    }
    tag.name = readName();
    while (true) {
      skipBlanks();
      if (at_ >= text_.size()) return std::nullopt;
      if (text_[at_] == '>') {
        ++at_;
        return tag;
      }
      if (text_[at_] == '/') {
        ++at_;
        if (at_ < text_.size() && text_[at_] == '>') {
          tag.selfClosing = true;
          ++at_;
          return tag;
        }
        continue;
      }
      const std::string_view attribute = readName();
      skipBlanks();
      if (at_ >= text_.size()) return std::nullopt;
      if (text_[at_] != '=') {
        // A bare word: not XML, but nothing to stop for.
        if (attribute.empty()) ++at_;
        continue;
      }
      ++at_;
      skipBlanks();
      const std::optional<std::string_view> value = readValue();
      if (!value) return std::nullopt;
      if (attribute == "name") tag.nameAttribute = *value;
      if (attribute == "version") tag.versionAttribute = *value;
    }
  }

  std::optional<std::string_view> readValue() {
    if (at_ >= text_.size()) return std::nullopt;
    const char quote = text_[at_];
    if (quote == '"' || quote == '\'') {
      const std::size_t end = text_.find(quote, at_ + 1);
      if (end == std::string_view::npos) return std::nullopt;
      const std::string_view value = text_.substr(at_ + 1, end - at_ - 1);
      at_ = end + 1;
      return value;
    }
    return readName();
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t untracked_ = 0;
};

}  // namespace

bool AsksForCommonControlsV6(std::string_view document) {
  const std::string text = asciiOf(document);
  return Scanner(text).asksForV6();
}

}  // namespace kovrena::cli
