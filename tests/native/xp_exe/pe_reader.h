#pragma once
// Just enough of the PE format to check what the XP loader will see: the
// headers and the import table. Every offset is checked against the file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PeImport {
  std::string dll;
  std::vector<std::string> functions;  // by name; ordinals as "#n"
};

struct PeFacts {
  std::uint16_t machine = 0;
  std::uint16_t optionalMagic = 0;
  std::uint16_t subsystem = 0;
  std::uint16_t majorSubsystemVersion = 0, minorSubsystemVersion = 0;
  std::uint16_t majorOsVersion = 0, minorOsVersion = 0;
  std::vector<PeImport> imports;
};

std::optional<PeFacts> readPe(const std::vector<std::uint8_t>& file);
