#include <string>

#include "cli/json.h"
#include "cli/report.h"
#include "cli/texts.h"
#include "outcomes/enum_words.h"
#include "text/hex.h"
#include "text/utf.h"

namespace kovrena::cli {

namespace {

using outcomes::RowFor;

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

std::string identityJson(const AssemblyIdentity& identity) {
  return "{\"name\":" + JsonString(identity.name) + ",\"version\":" + JsonString(identity.version) +
         ",\"processorArchitecture\":" + JsonString(identity.processorArchitecture) +
         ",\"publicKeyToken\":" + JsonString(identity.publicKeyToken) + "}";
}

std::string readingJson(const std::optional<ManifestReading>& reading) {
  if (!reading) return "null";
  std::string json = "{\"problem\":" + JsonString(RowFor(outcomes::kProblems, reading->problem).json);
  if (!reading->fault.empty()) json += ",\"fault\":" + JsonString(reading->fault);
  json += ",\"otherDependencies\":[";
  for (std::size_t i = 0; i < reading->otherDependencies.size(); ++i) {
    if (i > 0) json += ',';
    json += identityJson(reading->otherDependencies[i]);
  }
  return json + "]}";
}

std::string checkJson(const Request& request, const ProgramReport& report) {
  const CheckFindings& findings = *report.check;
  const ProgramFacts& facts = *report.facts;
  std::string json = "{\"external\":" + readingJson(findings.external);
  json += ",\"embedded\":" + readingJson(findings.embedded);
  json += ",\"xp\":" + JsonString(RowFor(outcomes::kBindings, findings.on(System::Xp).binding).json);
  json += ",\"server2003Sp1AndLater\":" +
          JsonString(RowFor(outcomes::kBindings, findings.on(System::Server2003Sp1AndLater).binding).json);
  json += ",\"wine\":" + JsonString(RowFor(outcomes::kBindings, findings.on(System::Wine).binding).json);
  json += ",\"preferExternalManifest\":";
  json += findings.wine ? "\"ignored-by-wine\"" : findings.preferExternal ? boolean(*findings.preferExternal) : "null";
  if (request.showEmbedded) json += ",\"embeddedText\":" + JsonString(facts.embeddedText);
  return json + "}";
}

std::string errorJson(const Error& error) {
  return "{\"number\":" + std::to_string(error.number) + ",\"description\":" + JsonString(error.description) + "}";
}

void appendField(std::string& json, std::string_view key, std::string_view rawValue) {
  json += ',';
  json += JsonString(key);
  json += ':';
  json += rawValue;
}

std::string programJson(const Request& request, const ProgramReport& report) {
  const Command command = request.command;
  std::string json = "{\"path\":" + JsonString(report.path);
  if (!::kovrena::text::IsValidUtf8(report.path)) {
    std::string bytes;
    for (const char c : report.path) {
      bytes += ::kovrena::text::HexText(static_cast<unsigned char>(c), 2, ::kovrena::text::LetterCase::Lower);
    }
    appendField(json, "pathBytes", JsonString(bytes));
  }
  appendField(json, "ok", boolean(Succeeded(report.outcome)));
  appendField(json, "result", JsonString(RowFor(outcomes::kVerdicts, VerdictOf(report)).json));
  appendField(json, "outcome", JsonString(RowOf(report.outcome).json));
  appendField(json, "message", JsonString(OutcomeMessage(command, report)));
  if (report.facts) {
    const ProgramFacts& facts = *report.facts;
    appendField(json, "windowsProgram", boolean(facts.windowsProgram));
    appendField(json, "machine", facts.windowsProgram ? machineName(facts) : "null");
    appendField(json, "library", boolean(facts.library));
    appendField(json, "dotNetAnyCpu", boolean(report.architecture == ManifestArchitecture::Any));
    appendField(json, "manifestArchitecture", RowFor(outcomes::kArchitectures, report.architecture).json);
    appendField(json, "embeddedManifest", JsonString(RowFor(outcomes::kEmbeddedManifests, facts.embedded).json));
    // XP x64, Server 2003 SP1 and later, and Wine go by the program's own manifest.
    appendField(json, "externalManifestIgnored", boolean(facts.embedded != EmbeddedManifest::None));
  }
  if (report.manifest) {
    const std::string manifest = "{\"state\":" + JsonString(RowFor(outcomes::kManifestStates, report.manifest->state).json) +
                                 ",\"hiddenSystem\":" + boolean(report.manifest->hiddenSystem) + "}";
    const bool looked = command == Command::Status || command == Command::Check;
    appendField(json, looked ? "manifest" : "previousManifest", manifest);
  }
  if (report.error) appendField(json, "error", errorJson(*report.error));
  if (report.check) appendField(json, "check", checkJson(request, report));
  // Where the system caches manifests: whether the program's last-write
  // time was set after the change, so that the system sees it now.
  if (report.programTime != manifest::ProgramTime::Left) {
    appendField(json, "programTimeSet", boolean(report.programTime == manifest::ProgramTime::Set));
    if (report.programTimeError) appendField(json, "programTimeError", errorJson(*report.programTimeError));
  }
  return json + "}";
}

}  // namespace

namespace {

// What waits in memory before it goes to the spool.
constexpr std::size_t kWaitingInMemory = 256 * 1024;

}  // namespace

JsonDocument::JsonDocument(const Request& request, Console& console) : request_(request), console_(console) {}

void JsonDocument::hold(std::string_view text) {
  waiting_ += text;
  if (waiting_.size() < kWaitingInMemory || noSpool_) return;
  if (!spool_) spool_ = console_.spool();
  if (!spool_ || spool_->write(waiting_)) {
    // Kept in memory from here on (a spool keeps what it took before): the
    // document stays whole.
    noSpool_ = true;
    return;
  }
  waiting_.clear();
}

void JsonDocument::open(bool ok) {
  opened_ = true;
  console_.out("{\"command\":" + JsonString(NameOf(request_.command)) + ",\"ok\":" + boolean(ok) +
               ",\"programs\":[");
  if (spool_) {
    if (Status failed = spool_->replay([this](std::string_view piece) { console_.out(piece); })) {
      lost_ = true;
      console_.err(std::string(text::kSpoolLost) + failed->description + "\n");
    }
  }
  spool_.reset();
  console_.out(waiting_);
  waiting_.clear();
}

void JsonDocument::add(const ProgramReport& report) {
  if (!opened_ && !Succeeded(report.outcome)) open(false);
  std::string json = any_ ? "," : "";
  json += programJson(request_, report);
  any_ = true;
  if (!opened_) {
    hold(json);
    return;
  }
  console_.out(json);
}

void JsonDocument::finish() {
  if (!opened_) open(true);
  console_.out("]}\n");
}

}  // namespace kovrena::cli
