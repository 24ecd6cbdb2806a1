#include "program/xml.h"

#include <algorithm>
#include <cstdint>

#include "text/utf.h"
#include "text/decimal.h"

namespace kovrena::program {

namespace {

// Manifests are a few levels deep; this keeps a hostile one off the stack.
constexpr std::size_t kMaxDepth = 200;

std::string utf8Of(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) return std::string(bytes.substr(3));
  if (bytes.size() < 2) return std::string(bytes);
  const bool little = (byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == '<' && byte(1) == 0);
  const bool big = (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0 && byte(1) == '<');
  if (!little && !big) return std::string(bytes);
  std::string units(bytes.substr(byte(0) == '<' || byte(1) == '<' ? 0 : 2));
  if (big) {
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) std::swap(units[i], units[i + 1]);
  }
  return ::kovrena::text::Utf16LeToUtf8(units);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isNameStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
         static_cast<unsigned char>(c) >= 0x80;
}
bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; }

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  XmlReading read() {
    XmlReading reading;
    if (!::kovrena::text::IsValidUtf8(text_)) return failed("metin geçerli UTF-8 ya da UTF-16 değil");
    if (!onlyXmlCharacters()) return failed("XML'de yeri olmayan bir karakter var");
    if (text_.starts_with("<?xml") && text_.size() > 5 && isBlank(text_[5])) {
      if (!skipPast("?>")) return failed("XML bildirimi kapanmamış");
    }
    if (!misc()) return failed(fault_);
    if (at_ >= text_.size()) return failed(text_.empty() ? "belge boş" : "kök öğe yok");
    if (text_[at_] != '<') return failed("kök öğeden önce metin var");
    XmlElement root;
    if (!element(root, 0)) return failed(fault_);
    if (!misc()) return failed(fault_);
    if (at_ < text_.size()) return failed("kök öğeden sonra içerik var");
    reading.root = std::move(root);
    return reading;
  }

 private:
  XmlReading failed(const std::string& what) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < at_ && i < text_.size(); ++i) line += text_[i] == '\n' ? 1 : 0;
    return XmlReading{std::nullopt, "satır " + text::Decimal(static_cast<std::uint32_t>(line)) + ": " + what};
  }
  bool fail(std::string what) {
    fault_ = std::move(what);
    return false;
  }

  // XML 1.0 allows no control character but tab, line feed and carriage
  // return, and neither U+FFFE nor U+FFFF (EF BF BE, EF BF BF in UTF-8).
  // Stops at the first one, for the fault's line.
  bool onlyXmlCharacters() {
    for (at_ = 0; at_ < text_.size(); ++at_) {
      const auto byte = static_cast<unsigned char>(text_[at_]);
      if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') return false;
      if (byte == 0xEF && text_.compare(at_ + 1, 1, "\xBF") == 0 && at_ + 2 < text_.size() &&
          (static_cast<unsigned char>(text_[at_ + 2]) & 0xFE) == 0xBE) {
        return false;
      }
    }
    at_ = 0;
    return true;
  }

  bool skipPast(std::string_view closing) {
    const std::size_t end = text_.find(closing, at_);
    if (end == std::string_view::npos) return false;
    at_ = end + closing.size();
    return true;
  }
  void skipBlanks() {
    while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
  }
  bool startsHere(std::string_view what) const { return text_.compare(at_, what.size(), what) == 0; }

  // Comments and processing instructions, at the given place.
  bool commentOrInstruction(bool& found) {
    found = true;
    if (startsHere("<!--")) {
      at_ += 4;
      const std::size_t end = text_.find("--", at_);
      if (end == std::string_view::npos) return fail("yorum kapanmamış");
      if (text_.compare(end, 3, "-->") != 0) return fail("yorumun içinde \"--\" var");
      at_ = end + 3;
      return true;
    }
    if (startsHere("<?")) {
      if (!skipPast("?>")) return fail("işleme yönergesi kapanmamış");
      return true;
    }
    if (startsHere("<!DOCTYPE")) return fail("belge türü bildirimi kabul edilmez");
    found = false;
    return true;
  }

  bool misc() {
    while (true) {
      skipBlanks();
      bool found = false;
      if (!commentOrInstruction(found)) return false;
      if (!found) return true;
    }
  }

  bool name(std::string& out) {
    if (at_ >= text_.size() || !isNameStart(text_[at_])) return fail("geçersiz ad");
    const std::size_t start = at_;
    while (at_ < text_.size() && isNameChar(text_[at_])) ++at_;
    out.assign(text_.substr(start, at_ - start));
    return true;
  }

  // A reference after '&', its text appended to out.
  bool reference(std::string& out) {
    const std::size_t end = text_.find(';', at_);
    if (end == std::string_view::npos || end - at_ > 12) return fail("geçersiz varlık başvurusu");
    const std::string_view ref = text_.substr(at_, end - at_);
    at_ = end + 1;
    if (ref == "amp") out += '&';
    else if (ref == "lt") out += '<';
    else if (ref == "gt") out += '>';
    else if (ref == "quot") out += '"';
    else if (ref == "apos") out += '\'';
    else if (ref.size() >= 2 && ref[0] == '#') {
      const bool hex = ref[1] == 'x';
      std::uint32_t code = 0;
      const std::string_view digits = ref.substr(hex ? 2 : 1);
      if (digits.empty()) return fail("geçersiz karakter başvurusu");
      for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) return fail("geçersiz karakter başvurusu");
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        if (code > 0x10FFFF) return fail("geçersiz karakter başvurusu");
      }
      const bool allowed = code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code < 0xD800) ||
                           (code >= 0xE000 && code <= 0x10FFFF && code != 0xFFFE && code != 0xFFFF);
      if (!allowed) return fail("geçersiz karakter başvurusu");
      ::kovrena::text::AppendUtf8(out, code);
    } else {
      return fail("bilinmeyen varlık: &" + std::string(ref) + ";");
    }
    return true;
  }

  bool attributeValue(std::string& out) {
    if (at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\'')) return fail("öznitelik değeri tırnaksız");
    const char quote = text_[at_++];
    while (true) {
      if (at_ >= text_.size()) return fail("öznitelik değeri kapanmamış");
      const char c = text_[at_];
      if (c == quote) {
        ++at_;
        return true;
      }
      if (c == '<') return fail("öznitelik değerinde '<' var");
      if (c == '&') {
        ++at_;
        if (!reference(out)) return false;
        continue;
      }
      out += isBlank(c) ? ' ' : c;
      ++at_;
    }
  }

  bool element(XmlElement& out, std::size_t depth) {
    if (depth > kMaxDepth) return fail("öğeler çok derin");
    ++at_;  // '<'
    if (!name(out.name)) return false;
    // Where each attribute begins: a duplicate is reported at its place.
    std::vector<std::size_t> starts;
    while (true) {
      const std::size_t before = at_;
      skipBlanks();
      if (at_ >= text_.size()) return fail("etiket kapanmamış: " + out.name);
      if (startsHere("/>")) {
        at_ += 2;
        return indexAttributes(out, starts);
      }
      if (text_[at_] == '>') {
        ++at_;
        break;
      }
      if (at_ == before) return fail("özniteliklerin arasında boşluk yok");
      starts.push_back(at_);
      std::string attributeName;
      if (!name(attributeName)) return false;
      skipBlanks();
      if (at_ >= text_.size() || text_[at_] != '=') return fail("özniteliğin değeri yok: " + attributeName);
      ++at_;
      skipBlanks();
      std::string value;
      if (!attributeValue(value)) return false;
      out.attributes.emplace_back(std::move(attributeName), std::move(value));
    }
    if (!indexAttributes(out, starts)) return false;
    return content(out, depth);
  }

  // Sorts the attributes' positions by name, and refuses a name written
  // twice, at the first place where one repeats: linear after the sort,
  // however many attributes a hostile element carries.
  bool indexAttributes(XmlElement& out, const std::vector<std::size_t>& starts) {
    out.byName.resize(out.attributes.size());
    for (std::size_t i = 0; i < out.byName.size(); ++i) out.byName[i] = static_cast<std::uint32_t>(i);
    std::sort(out.byName.begin(), out.byName.end(), [&](std::uint32_t a, std::uint32_t b) {
      const int order = out.attributes[a].first.compare(out.attributes[b].first);
      return order != 0 ? order < 0 : a < b;
    });
    std::size_t repeated = out.attributes.size();
    for (std::size_t i = 1; i < out.byName.size(); ++i) {
      if (out.attributes[out.byName[i]].first == out.attributes[out.byName[i - 1]].first) {
        repeated = std::min<std::size_t>(repeated, out.byName[i]);
      }
    }
    if (repeated == out.attributes.size()) return true;
    at_ = starts[repeated];
    return fail("yinelenen öznitelik: " + out.attributes[repeated].first);
  }

  bool content(XmlElement& out, std::size_t depth) {
    while (true) {
      if (at_ >= text_.size()) return fail("öğe kapanmamış: " + out.name);
      const char c = text_[at_];
      if (c == '&') {
        ++at_;
        std::string ignored;
        if (!reference(ignored)) return false;
        continue;
      }
      if (c != '<') {
        if (startsHere("]]>")) return fail("metinde \"]]>\" var");
        ++at_;
        continue;
      }
      if (startsHere("</")) {
        at_ += 2;
        std::string closing;
        if (!name(closing)) return false;
        if (closing != out.name) return fail("kapanış etiketi eşleşmiyor: " + closing + " (açık öğe " + out.name + ")");
        skipBlanks();
        if (at_ >= text_.size() || text_[at_] != '>') return fail("kapanış etiketi kapanmamış: " + closing);
        ++at_;
        return true;
      }
      if (startsHere("<![CDATA[")) {
        if (!skipPast("]]>")) return fail("CDATA bölümü kapanmamış");
        continue;
      }
      bool found = false;
      if (!commentOrInstruction(found)) return false;
      if (found) continue;
      if (startsHere("<!")) return fail("geçersiz işaretleme");
      XmlElement child;
      if (!element(child, depth + 1)) return false;
      out.children.push_back(std::move(child));
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string fault_;
};

}  // namespace

std::optional<std::string_view> XmlElement::attribute(std::string_view attributeName) const {
  if (byName.size() == attributes.size()) {
    const auto found = std::lower_bound(byName.begin(), byName.end(), attributeName,
                                        [&](std::uint32_t i, std::string_view key) { return attributes[i].first < key; });
    if (found != byName.end() && attributes[*found].first == attributeName) return std::string_view(attributes[*found].second);
    return std::nullopt;
  }
  for (const auto& [key, value] : attributes) {
    if (key == attributeName) return std::string_view(value);
  }
  return std::nullopt;
}

XmlReading ReadXml(std::string_view bytes) {
  if (bytes.size() > kLargestXml) return XmlReading{std::nullopt, "belge " + text::Decimal(static_cast<std::uint32_t>(kLargestXml / 1024)) + " KB'tan büyük", true};
  const std::string text = utf8Of(bytes);
  return Parser(text).read();
}

}  // namespace kovrena::program
