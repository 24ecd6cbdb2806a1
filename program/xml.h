#pragma once
// A strict reader of small XML documents: well-formed or refused, with the
// line of the first fault. Enough of XML 1.0 for manifests: elements,
// attributes, character and entity references, comments, CDATA, processing
// instructions; a document type declaration is refused.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovrena::program {

struct XmlElement {
  std::string name;  // as written, prefix included
  std::vector<std::pair<std::string, std::string>> attributes;  // values with references resolved
  std::vector<XmlElement> children;
  // The attributes' positions in name order, for lookups in logarithmic
  // time: a hostile element may carry tens of thousands. Set by ReadXml;
  // an element built otherwise is searched from end to end.
  std::vector<std::uint32_t> byName;

  // The attribute's value; nothing when it is not there.
  std::optional<std::string_view> attribute(std::string_view attributeName) const;
};

struct XmlReading {
  std::optional<XmlElement> root;  // set when the document is well-formed
  std::string fault;               // otherwise: "satır N: what"
  bool tooLarge = false;           // not read at all: longer than kLargestXml
};

// The longest document read. A manifest is a few kilobytes; one beyond
// this is no manifest any loader would take, and reading it would only
// cost time.
inline constexpr std::size_t kLargestXml = std::size_t{1} << 20;

// The document's bytes: UTF-8 with or without a byte order mark, or UTF-16
// of either byte order (a byte order mark, or "<" as the first unit).
XmlReading ReadXml(std::string_view bytes);

}  // namespace kovrena::program
