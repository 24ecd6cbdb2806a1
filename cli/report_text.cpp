#include <string>
#include <string_view>

#include "cli/report.h"
#include "cli/texts.h"
#include "outcomes/enum_words.h"
#include "text/hex.h"
#include "text/utf.h"

namespace kovrena::cli {

namespace {

using outcomes::RowFor;

// The problem's words, and what the reading found where it tells more.
std::string problemText(const ManifestReading& reading) {
  std::string words(RowFor(outcomes::kProblems, reading.problem).words);
  switch (reading.problem) {
    case ManifestProblem::NotXml:
    case ManifestProblem::TooLarge: return words + reading.fault;
    case ManifestProblem::WrongToken:
      return words + reading.commonControls.value_or(AssemblyIdentity{}).publicKeyToken;
    case ManifestProblem::WrongArchitecture:
      return words + reading.commonControls.value_or(AssemblyIdentity{}).processorArchitecture;
    default: return words;
  }
}

std::string verdictLine(System system, const CheckFindings& findings, const ProgramFacts& facts) {
  if (system == System::Xp && facts.machine != machine::kX86) return std::string(text::kNot32BitXp);
  const manifest::SystemVerdict& verdict = findings.on(system);
  std::string line(RowFor(outcomes::kBindings, verdict.binding).words);
  line += " (";
  const bool fromExternal = verdict.inForce == manifest::InForceManifest::External;
  const std::optional<ManifestReading>& reading = fromExternal ? findings.external : findings.embedded;
  if (verdict.inForce == manifest::InForceManifest::None || !reading) {
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
  block += std::string(text::kCheckProgram) + WhatItIs(report) + "\n";
  if (!facts.windowsProgram || !report.check) return block;
  const CheckFindings& findings = *report.check;
  block += text::kCheckExternal;
  block += RowFor(outcomes::kManifestStates, report.manifest->state).check;
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

std::string ReportLine(const Request& request, const ProgramReport& report) {
  const std::string path = PrintablePath(report.path);
  if (report.outcome == Outcome::Status) {
    return StatusColumns(report, true) + "  " + path + "\n";
  }
  if (report.outcome == Outcome::Checked) return checkBlock(request, report, path);
  return path + ": " + OutcomeMessage(request.command, report) + "\n";
}

void NoteFlags::take(const ProgramReport& report) {
  anyMarked = anyMarked || (report.outcome == Outcome::Status && outcomes::OwnManifestMarked(report)) || Overridden(report);
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
