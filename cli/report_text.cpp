#include <algorithm>
#include <string>
#include <string_view>

#include "program/architecture.h"
#include "cli/report.h"
#include "cli/texts.h"
#include "manifest/engine.h"
#include "text/hex.h"
#include "text/utf.h"

namespace kovrena::cli {

namespace {

// Characters of UTF-8 text: its bytes that begin one.
constexpr std::size_t width(std::string_view text) {
  std::size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
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
constexpr std::size_t kExternalWidth =
    std::max({width(text::kManifestNone), width(text::kManifestOurs) + width(text::kNotHiddenSystem),
              width(text::kManifestOursOther), width(text::kManifestForeign), width(text::kManifestNotAFile)});
constexpr std::size_t kEmbeddedWidth =
    std::max({width(text::kEmbeddedNone), width(text::kEmbeddedV6), width(text::kEmbeddedNoV6),
              width(text::kEmbeddedUnreadable), width(text::kEmbeddedFaulty)}) +
    width(text::kFootnoteMark);

std::string padded(std::string cell, std::size_t width) {
  const std::size_t length = ::kovrena::text::Utf8Length(cell);
  if (length < width) cell.append(width - length, ' ');
  return cell;
}

std::string hex4(std::uint16_t value) {
  return "0x" + ::kovrena::text::HexText(value, 4, ::kovrena::text::LetterCase::Upper);
}

std::string manifestText(const ManifestInfo& info) {
  switch (info.state) {
    case ManifestState::None: return std::string(text::kManifestNone);
    case ManifestState::Ours:
      return std::string(text::kManifestOurs) + (info.hiddenSystem ? "" : std::string(text::kNotHiddenSystem));
    case ManifestState::OursOtherArchitecture: return std::string(text::kManifestOursOther);
    case ManifestState::Foreign: return std::string(text::kManifestForeign);
    case ManifestState::NotAFile: return std::string(text::kManifestNotAFile);
  }
  return {};
}

std::string_view embeddedText(EmbeddedManifest embedded) {
  switch (embedded) {
    case EmbeddedManifest::None: return text::kEmbeddedNone;
    case EmbeddedManifest::Unreadable: return text::kEmbeddedUnreadable;
    case EmbeddedManifest::WithoutCommonControlsV6: return text::kEmbeddedNoV6;
    case EmbeddedManifest::WithCommonControlsV6: return text::kEmbeddedV6;
    case EmbeddedManifest::Faulty: return text::kEmbeddedFaulty;
  }
  return {};
}

// Marked for the footnote when the program's own manifest decides.
bool marked(const ProgramReport& report) {
  return report.facts && report.facts->windowsProgram && report.facts->embedded != EmbeddedManifest::None;
}

}  // namespace

std::string StatusColumns(const ProgramReport& report, bool aligned) {
  const auto cell = [aligned](std::string text, std::size_t width) {
    return aligned ? padded(std::move(text), width) : text;
  };
  const std::string_view gap = aligned ? "  " : "; ";
  std::string line = cell(report.facts ? WhatItIs(*report.facts) : std::string(), kWhatWidth);
  line += gap;
  line += cell(report.manifest ? manifestText(*report.manifest) : std::string(), kExternalWidth);
  if (report.facts && report.facts->windowsProgram) {
    std::string embedded(embeddedText(report.facts->embedded));
    if (aligned && marked(report)) embedded += text::kFootnoteMark;
    line += gap;
    line += cell(embedded, kEmbeddedWidth);
  } else if (aligned) {
    line += gap;
    line += cell(std::string(), kEmbeddedWidth);
  }
  return line;
}

namespace {

std::string problemText(const ManifestReading& reading) {
  switch (reading.problem) {
    case ManifestProblem::None: return std::string(text::kProblemNone);
    case ManifestProblem::Empty: return std::string(text::kProblemEmpty);
    case ManifestProblem::NotXml: return std::string(text::kProblemNotXml) + reading.fault;
    case ManifestProblem::TooLarge: return std::string(text::kProblemTooLarge) + reading.fault;
    case ManifestProblem::NotAnAssembly: return std::string(text::kProblemNotAnAssembly);
    case ManifestProblem::IdentityIncomplete: return std::string(text::kProblemIdentity);
    case ManifestProblem::NoCommonControlsV6: return std::string(text::kProblemNoV6);
    case ManifestProblem::WrongToken:
      return std::string(text::kProblemToken) + reading.commonControls.value_or(AssemblyIdentity{}).publicKeyToken;
    case ManifestProblem::NoArchitecture: return std::string(text::kProblemNoArchitecture);
    case ManifestProblem::WrongArchitecture:
      return std::string(text::kProblemArchitecture) +
             reading.commonControls.value_or(AssemblyIdentity{}).processorArchitecture;
  }
  return {};
}

std::string_view bindingText(Binding binding) {
  switch (binding) {
    case Binding::CommonControlsV6: return text::kBindsV6;
    case Binding::SystemControls: return text::kBindsSystem;
    case Binding::DoesNotStart: return text::kDoesNotStart;
    case Binding::Uncertain: return text::kUncertain;
  }
  return {};
}

std::string verdictLine(System system, const CheckFindings& findings, const ProgramFacts& facts) {
  if (system == System::Xp && facts.machine != machine::kX86) return std::string(text::kNot32BitXp);
  bool fromExternal = false;
  const ManifestReading* reading = manifest::InForce(system, findings, fromExternal);
  std::string line(bindingText(BindingOn(system, findings, facts)));
  line += " (";
  if (reading == nullptr) {
    line += text::kNoManifest;
  } else {
    line += fromExternal ? text::kFromExternal : text::kFromEmbedded;
    line += ": ";
    line += problemText(*reading);
  }
  return line + ")";
}

std::string checkBlock(const Request& request, const ProgramReport& report, const std::string& path) {
  const ProgramFacts& facts = *report.facts;
  std::string block = path + ":\n";
  block += std::string(text::kCheckProgram) + WhatItIs(facts) + "\n";
  if (!facts.windowsProgram || !report.check) return block;
  const CheckFindings& findings = *report.check;
  block += text::kCheckExternal;
  switch (report.manifest->state) {
    case ManifestState::None: block += text::kCheckAbsent; break;
    case ManifestState::NotAFile: block += text::kCheckNotAFile; break;
    case ManifestState::Ours: block += text::kCheckOurs; break;
    case ManifestState::OursOtherArchitecture: block += text::kCheckOurs; break;
    case ManifestState::Foreign: block += text::kCheckForeign; break;
  }
  if (findings.external) block += problemText(*findings.external);
  block += "\n";
  block += text::kCheckEmbedded;
  if (findings.embedded) {
    block += problemText(*findings.embedded);
    if (!findings.embedded->otherDependencies.empty()) {
      block += text::kCheckOthers;
      block += manifest::DependencyList(findings.embedded->otherDependencies);
    }
  } else {
    block += text::kCheckAbsent;
  }
  block += "\n";
  block += std::string(text::kCheckXp) + verdictLine(System::Xp, findings, facts) + "\n";
  block += std::string(text::kCheckServer) + verdictLine(System::Server2003Sp1AndLater, findings, facts) + "\n";
  block += std::string(text::kCheckWine) + verdictLine(System::Wine, findings, facts) + "\n";
  block += text::kCheckPrefer;
  if (findings.wine) block += text::kPreferWine;
  else block += findings.preferExternal.value_or(false) ? text::kPreferSet : text::kPreferUnset;
  block += "\n";
  if (request.showEmbedded && !facts.embeddedText.empty()) {
    block += text::kCheckShown;
    std::string shown = ::kovrena::text::EscapeInvalidUtf8(facts.embeddedText);
    if (!shown.empty() && shown.back() != '\n') shown += '\n';
    block += shown;
  }
  return block;
}

}  // namespace

std::string PrintablePath(const std::string& path) {
  std::string printable = ::kovrena::text::EscapeInvalidUtf8(path);
  for (char& c : printable) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
  }
  return printable;
}

std::string WhatItIs(const ProgramFacts& facts) {
  if (!facts.windowsProgram) return std::string(text::kNotWindowsProgram);
  std::string what;
  if (!facts.library && ArchitectureFor(facts) == ManifestArchitecture::Any) {
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

std::string ReportLine(const Request& request, const ProgramReport& report) {
  const std::string path = PrintablePath(report.path);
  if (report.outcome == Outcome::Status) {
    return StatusColumns(report, true) + "  " + path + "\n";
  }
  if (report.outcome == Outcome::Checked) return checkBlock(request, report, path);
  return path + ": " + OutcomeMessage(request.command, report) + "\n";
}

void NoteFlags::take(const ProgramReport& report) {
  anyMarked = anyMarked || (report.outcome == Outcome::Status && marked(report)) || Overridden(report);
  anyChecked = anyChecked || report.outcome == Outcome::Checked;
}

std::string ReportNotes(const Request& request, const NoteFlags& flags) {
  std::string notes;
  if (flags.anyMarked && request.command == Command::Status) {
    notes += "* ";
    notes += text::kPrecedence;
    notes += text::kSeeCheck;
    notes += "\n";
  }
  if (flags.anyChecked) {
    notes += text::kCacheNote;
    notes += "\n";
  }
  return notes;
}

}  // namespace kovrena::cli
