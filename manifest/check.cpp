#include "manifest/check.h"

#include <memory>
#include <span>
#include <string>
#include <utility>

#include "manifest/commands.h"
#include "manifest/examine.h"

namespace kovrena::manifest {

namespace {

ManifestReading tooLarge() { return ManifestReading{program::ManifestProblem::TooLarge, "1 MB'tan büyük", {}, {}, {}, {}}; }

}  // namespace

std::optional<bool> PreferExternalManifest(Registry& registry) {
  constexpr std::uint32_t kWow64SixtyFourKey = 0x0100;  // the 64-bit view from a 32-bit process
  Result<std::unique_ptr<RegistryKey>> key =
      registry.openKey(reg::kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SideBySide",
                       reg::kReadAccess | kWow64SixtyFourKey);
  if (!key) return std::nullopt;
  const Result<RegistryValue> value = key.value()->queryValue("PreferExternalManifest", 4);
  if (!value || value.value().type != reg::kTypeDword || value.value().bytes.size() != 4) return std::nullopt;
  return value.value().bytes != std::string(4, '\0');
}

const ManifestReading* InForce(System system, const CheckFindings& findings, bool& fromExternal) {
  bool externalFirst = system == System::Xp;
  if (system == System::Server2003Sp1AndLater && findings.preferExternal.value_or(false)) externalFirst = true;
  const ManifestReading* external = findings.external ? &*findings.external : nullptr;
  const ManifestReading* embedded = findings.embedded ? &*findings.embedded : nullptr;
  const ManifestReading* first = externalFirst ? external : embedded;
  const ManifestReading* second = externalFirst ? embedded : external;
  fromExternal = first != nullptr ? externalFirst : !externalFirst;
  return first != nullptr ? first : second;
}

std::optional<bool> PreferExternalManifestOn(Services services) {
  if (services.host.system == System::Wine || services.registry == nullptr) return std::nullopt;
  return PreferExternalManifest(*services.registry);
}

bool OwnManifestWins(System system, std::optional<bool> preferExternal, const ProgramFacts& facts) {
  if (facts.embedded == EmbeddedManifest::None || system == System::Xp) return false;
  return system == System::Wine || !preferExternal.value_or(false);
}

Binding BindingOn(System system, const CheckFindings& findings, const ProgramFacts& facts) {
  if (system == System::Xp && facts.machine != program::machine::kX86) return Binding::DoesNotStart;
  bool fromExternal = false;
  const ManifestReading* reading = InForce(system, findings, fromExternal);
  if (reading == nullptr) return Binding::SystemControls;
  if (system != System::Wine) return program::OnWindows(*reading);
  // A Wine without its 32-bit half has no x86 assembly to refuse: a
  // 64-bit program with an x86 dependency starts on the system's controls.
  const bool x86ForSixtyFour = reading->problem == program::ManifestProblem::WrongArchitecture &&
                               facts.machine == program::machine::kX64 && reading->commonControls &&
                               reading->commonControls->processorArchitecture == "x86";
  if (x86ForSixtyFour && !findings.wineRuns32Bit) return Binding::SystemControls;
  return program::OnWine(*reading);
}

Report CheckOf(const Examined& program, Services services) {
  const HostSystem& host = services.host;
  Report report = StatusOf(program);
  if (report.outcome != Outcome::Status) return report;
  report.outcome = Outcome::Checked;
  const ProgramFacts& facts = *program.facts;
  CheckFindings findings;
  findings.wine = host.system == System::Wine;
  findings.wineRuns32Bit = host.wineRuns32Bit;
  const ManifestInfo& beside = *program.manifest;
  if (beside.state != ManifestState::Foreign || !beside.link) {
    // The file itself, as the examination read it.
    if (program.besideReading) {
      findings.external = *program.besideReading;
    } else if (program.ownFound) {
      findings.external = program::ReadManifest(program.own[*program.ownFound], program.architecture, facts.machine);
    } else if (beside.content == ManifestContent::TooLarge) {
      findings.external = tooLarge();
    } else if (program.manifestReadError) {
      report.outcome = Outcome::Failed;
      report.error = *program.manifestReadError;
      report.failedAt = FailedAt::Manifest;
      return report;
    }
  } else {
    // Through a link: the loader reads whatever the path leads to.
    Result<std::optional<std::string>> bytes = ReadUpTo(services.files, program.manifestPath, kLargestManifest);
    if (!bytes) {
      const Result<EntryKind> target = services.files.kindOf(program.manifestPath, true);
      // A dangling link is no manifest for the loader either.
      if (!target || target.value() != EntryKind::Missing) {
        report.outcome = Outcome::Failed;
        report.error = bytes.error();
        report.failedAt = FailedAt::Manifest;
        return report;
      }
    } else if (!bytes.value()) {
      findings.external = tooLarge();
    } else {
      findings.external = program::ReadManifest(*bytes.value(), program.architecture, facts.machine);
    }
  }
  if (facts.embedded == EmbeddedManifest::Unreadable) {
    findings.embedded = ManifestReading{program::ManifestProblem::NotXml, "baytları dosyanın dışında", {}, {}, {}, {}};
  } else if (facts.embedded != EmbeddedManifest::None) {
    findings.embedded = program.ownReading ? *program.ownReading : ManifestReading{};
  }
  findings.preferExternal = PreferExternalManifestOn(services);
  for (const System system : {System::Xp, System::Server2003Sp1AndLater, System::Wine}) {
    SystemVerdict& verdict = findings.systems[static_cast<std::size_t>(system)];
    verdict.binding = BindingOn(system, findings, facts);
    bool fromExternal = false;
    if (InForce(system, findings, fromExternal) != nullptr) {
      verdict.inForce = fromExternal ? InForceManifest::External : InForceManifest::Embedded;
    }
    verdict.ownManifestWins = OwnManifestWins(system, findings.preferExternal, facts);
  }
  report.check = std::move(findings);
  return report;
}

}  // namespace kovrena::manifest
