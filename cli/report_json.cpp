#include <string>

#include "cli/json.h"
#include "cli/report.h"
#include "text/hex.h"

namespace kovrena::cli {

namespace {

std::string_view outcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Status: return "status";
    case Outcome::Applied: return "applied";
    case Outcome::Replaced: return "replaced";
    case Outcome::AlreadyApplied: return "already-applied";
    case Outcome::ManifestExists: return "manifest-exists";
    case Outcome::ManifestBlocked: return "manifest-blocked";
    case Outcome::Undone: return "undone";
    case Outcome::NothingToUndo: return "nothing-to-undo";
    case Outcome::ForeignManifest: return "foreign-manifest";
    case Outcome::NotFound: return "not-found";
    case Outcome::Folder: return "folder";
    case Outcome::NotAFile: return "not-a-file";
    case Outcome::NotWindowsProgram: return "not-windows-program";
    case Outcome::Library: return "library";
    case Outcome::WrongMachine: return "wrong-machine";
    case Outcome::NoPrograms: return "no-programs";
    case Outcome::Failed: return "failed";
  }
  return {};
}

std::string_view stateName(ManifestState state) {
  switch (state) {
    case ManifestState::None: return "none";
    case ManifestState::Ours: return "ours";
    case ManifestState::Foreign: return "foreign";
    case ManifestState::NotAFile: return "not-a-file";
  }
  return {};
}

std::string_view embeddedName(EmbeddedManifest embedded) {
  switch (embedded) {
    case EmbeddedManifest::None: return "none";
    case EmbeddedManifest::Unreadable: return "unreadable";
    case EmbeddedManifest::WithoutCommonControlsV6: return "without-v6";
    case EmbeddedManifest::WithCommonControlsV6: return "with-v6";
  }
  return {};
}

std::string machineName(const ProgramFacts& facts) {
  switch (facts.machine) {
    case machine::kX86: return "\"x86\"";
    case machine::kX64: return "\"x64\"";
    case machine::kArm64: return "\"arm64\"";
    default: break;
  }
  return "\"0x" + ::kovrena::text::HexText(facts.machine, 4, ::kovrena::text::LetterCase::Lower) + "\"";
}

const char* boolean(bool value) { return value ? "true" : "false"; }

void appendField(std::string& json, std::string_view key, std::string_view rawValue) {
  json += ',';
  json += JsonString(key);
  json += ':';
  json += rawValue;
}

std::string programJson(Command command, const ProgramReport& report) {
  std::string json = "{\"path\":" + JsonString(report.path);
  appendField(json, "ok", boolean(Succeeded(report.outcome)));
  appendField(json, "outcome", JsonString(outcomeName(report.outcome)));
  appendField(json, "message", JsonString(OutcomeMessage(command, report)));
  if (report.facts) {
    const ProgramFacts& facts = *report.facts;
    appendField(json, "windowsProgram", boolean(facts.windowsProgram));
    appendField(json, "machine", facts.windowsProgram ? machineName(facts) : "null");
    appendField(json, "library", boolean(facts.library));
    appendField(json, "embeddedManifest", JsonString(embeddedName(facts.embedded)));
    // Windows Vista and later, and Wine, go by the program's own manifest.
    appendField(json, "externalManifestIgnored", boolean(facts.embedded != EmbeddedManifest::None));
  }
  if (report.manifest) {
    const std::string manifest = "{\"state\":" + JsonString(stateName(report.manifest->state)) +
                                 ",\"hiddenSystem\":" + boolean(report.manifest->hiddenSystem) + "}";
    appendField(json, command == Command::Status ? "manifest" : "previousManifest", manifest);
  }
  if (report.error) {
    const std::string error = "{\"number\":" + std::to_string(report.error->number) +
                              ",\"description\":" + JsonString(report.error->description) + "}";
    appendField(json, "error", error);
  }
  return json + "}";
}

}  // namespace

std::string JsonReport(Command command, const std::vector<ProgramReport>& reports) {
  bool allOk = true;
  std::string programs;
  for (const ProgramReport& report : reports) {
    allOk = allOk && Succeeded(report.outcome);
    if (!programs.empty()) programs += ',';
    programs += programJson(command, report);
  }
  return "{\"command\":" + JsonString(NameOf(command)) + ",\"ok\":" + boolean(allOk) + ",\"programs\":[" +
         programs + "]}\n";
}

}  // namespace kovrena::cli
