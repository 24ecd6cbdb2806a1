#include "outcomes/program_words.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "outcomes/enum_words.h"
#include "outcomes/texts.h"
#include "text/hex.h"
#include "text/utf.h"

namespace kovrena::outcomes {

namespace {

namespace machine = program::machine;

// Characters of UTF-8 text: its bytes that begin one.
constexpr std::size_t width(std::string_view words) {
  std::size_t characters = 0;
  for (const char c : words) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return characters;
}

// Each status column is as wide as the widest entry it can hold, so that the
// path, last, begins at the same place on every line however the lines are
// mixed: they are written one by one as the work goes, before the widest
// entry of a run is known.
constexpr std::size_t kWhatWidth = std::max(
    width(text::kNotWindowsProgram),
    std::max({width(text::kX86), width(text::kX64), width(text::kArm64), width(text::kAnyCpu),
              width(text::kOtherMachine) + width("0x0000")}) +
        std::max(width(text::kProgram), width(text::kLibrary)));
constexpr std::size_t kExternalWidth = [] {
  std::size_t widest = width(text::kManifestOurs) + width(text::kNotHiddenSystem);
  for (const ManifestStateRow& row : kManifestStates) widest = std::max(widest, width(row.status));
  return widest;
}();
constexpr std::size_t kEmbeddedWidth = [] {
  std::size_t widest = 0;
  for (const EmbeddedRow& row : kEmbeddedManifests) widest = std::max(widest, width(row.status));
  return widest + width(text::kFootnoteMark);
}();

std::string padded(std::string cell, std::size_t cellWidth) {
  const std::size_t length = ::kovrena::text::Utf8Length(cell);
  if (length < cellWidth) cell.append(cellWidth - length, ' ');
  return cell;
}

std::string hex4(std::uint16_t value) {
  return "0x" + ::kovrena::text::HexText(value, 4, ::kovrena::text::LetterCase::Upper);
}

std::string manifestText(const manifest::ManifestInfo& info) {
  std::string words(RowFor(kManifestStates, info.state).status);
  if (info.state == ManifestState::Ours && !info.hiddenSystem) words += text::kNotHiddenSystem;
  return words;
}

}  // namespace

bool OwnManifestMarked(const manifest::Report& report) {
  return report.facts && report.facts->windowsProgram && report.facts->embedded != EmbeddedManifest::None;
}

std::string StatusColumns(const manifest::Report& report, bool aligned) {
  const auto cell = [aligned](std::string words, std::size_t cellWidth) {
    return aligned ? padded(std::move(words), cellWidth) : words;
  };
  const std::string_view gap = aligned ? "  " : "; ";
  std::string line = cell(report.facts ? WhatItIs(report) : std::string(), kWhatWidth);
  line += gap;
  line += cell(report.manifest ? manifestText(*report.manifest) : std::string(), kExternalWidth);
  if (report.facts && report.facts->windowsProgram) {
    std::string embedded(RowFor(kEmbeddedManifests, report.facts->embedded).status);
    if (aligned && OwnManifestMarked(report)) embedded += text::kFootnoteMark;
    line += gap;
    line += cell(embedded, kEmbeddedWidth);
  } else if (aligned) {
    line += gap;
    line += cell(std::string(), kEmbeddedWidth);
  }
  return line;
}

std::string WhatItIs(const manifest::Report& report) {
  const manifest::ProgramFacts& facts = *report.facts;
  if (!facts.windowsProgram) return std::string(text::kNotWindowsProgram);
  std::string what;
  if (!facts.library && report.architecture == ManifestArchitecture::Any) {
    what = text::kAnyCpu;
  } else {
    switch (facts.machine) {
      case machine::kX86: what = text::kX86; break;
      case machine::kX64: what = text::kX64; break;
      case machine::kArm64: what = text::kArm64; break;
      default: what = std::string(text::kOtherMachine) + hex4(facts.machine); break;
    }
  }
  what += facts.library ? text::kLibrary : text::kProgram;
  return what;
}

}  // namespace kovrena::outcomes
