#pragma once
// What kovrena-cli.exe's own manifest must say, read with the project's XML
// reader (strict: a document the loader would reject as malformed fails
// here too). Shared by the check of the shipping file's bytes and the test
// that reads the resource back through Windows.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "program/xml.h"
#include "resources/version.h"

namespace kovrena::testing {

inline const ::kovrena::program::XmlElement* childNamed(const ::kovrena::program::XmlElement& parent,
                                                      std::string_view name) {
  for (const ::kovrena::program::XmlElement& child : parent.children) {
    if (child.name == name) return &child;
  }
  return nullptr;
}

// architecture: "x86" or "amd64", that of the program carrying it.
inline void ExpectCliOwnManifest(std::string_view bytes, std::string_view architecture) {
  const ::kovrena::program::XmlReading reading = ::kovrena::program::ReadXml(bytes);
  ASSERT_TRUE(reading.root.has_value()) << "not well-formed: " << reading.fault << "\n" << bytes;
  const ::kovrena::program::XmlElement& assembly = *reading.root;
  ASSERT_EQ(assembly.name, "assembly");

  using Attributes = std::vector<std::pair<std::string_view, std::string_view>>;
  struct Expected {
    std::vector<std::string_view> path;  // element names below the root
    Attributes attributes;
  };
  const Expected expected[] = {
      {{}, {{"xmlns", "urn:schemas-microsoft-com:asm.v1"}, {"manifestVersion", "1.0"}}},
      {{"assemblyIdentity"},
       {{"type", "win32"}, {"name", "kovrena-cli.exe"}, {"version", KOVRENA_VERSION_TEXT},
        {"processorArchitecture", architecture}}},
      // The namespace XP SP2 and SP3 understand; the later asm.v3 one they do not.
      {{"trustInfo"}, {{"xmlns", "urn:schemas-microsoft-com:asm.v2"}}},
      {{"trustInfo", "security", "requestedPrivileges", "requestedExecutionLevel"},
       {{"level", "asInvoker"}, {"uiAccess", "false"}}},
  };
  for (const Expected& each : expected) {
    const ::kovrena::program::XmlElement* element = &assembly;
    std::string where = "assembly";
    for (std::string_view name : each.path) {
      where += "/" + std::string(name);
      element = element == nullptr ? nullptr : childNamed(*element, name);
    }
    SCOPED_TRACE(where);
    ASSERT_NE(element, nullptr) << "missing";
    for (const auto& [name, value] : each.attributes) {
      EXPECT_EQ(element->attribute(name).value_or("(absent)"), value) << name;
    }
  }
  // A console program: no common controls, nor anything else to bind.
  EXPECT_EQ(childNamed(assembly, "dependency"), nullptr);
}

}  // namespace kovrena::testing
