#include "app/manifest_procedures.h"

#include <optional>
#include <string>
#include <string_view>

#include "app/error_report.h"
#include "app/full_rights.h"
#include "app/manifest_messages.h"
#include "manifest/engine.h"

namespace kovrena::app {

namespace {

using manifest::Consent;
using manifest::ManifestState;
using manifest::Outcome;

manifest::Services engineServices(const ManifestServices& services) { return {services.disk, services.files, services.host}; }

bool ask(const ManifestServices& services, const std::string& question) {
  return services.messages.show(question, kOverwriteStyle) == mb::kAnswerYes;
}

// The question before what lies at the manifest path is replaced or
// deleted, when the engine says it needs one beyond choosing the action;
// after is the sentence that names the action.
std::optional<std::string> riskQuestion(const manifest::Examined& program, std::string_view dependenciesAfter,
                                        std::string_view dataAfter) {
  if (!program.manifest) return std::nullopt;
  const manifest::ManifestInfo& found = *program.manifest;
  std::string question;
  switch (manifest::RiskOf(found)) {
    case manifest::ManifestRisk::None: return std::nullopt;
    case manifest::ManifestRisk::OtherDependencies:
      question = kForeignManifestBefore;
      question += manifest::DependencyList(found.otherDependencies);
      question += dependenciesAfter;
      return question;
    case manifest::ManifestRisk::NotAManifest:
      question = kNotAManifestBefore;
      question += found.content == manifest::ManifestContent::TooLarge     ? kNotAManifestTooLarge
                  : found.content == manifest::ManifestContent::Unreadable ? kNotAManifestUnreadable
                                                                           : kNotAManifestContent;
      question += dataAfter;
      return question;
  }
  return std::nullopt;
}

void showInformation(const ManifestServices& services, std::string_view text) {
  services.messages.show(std::string(text), mb::kOk | mb::kIconInformation);
}

// What stands at the manifest path instead of a file, and that it was left.
void showBlocked(const ManifestServices& services, const manifest::Report& report, std::string_view after) {
  std::string text(kBlockedBefore);
  const bool folder = report.manifest && report.manifest->folder;
  text += folder ? kBlockedFolder : report.manifest && report.manifest->unresolvable ? kBlockedLink : kBlockedSpecial;
  text += after;
  showInformation(services, text);
}

void showApplied(const Target& target, const manifest::Report& report, const ManifestServices& services) {
  std::string applied(kAppliedBefore);
  applied += target.programName;
  applied += kAppliedAfter;
  const std::optional<bool> preferExternal =
      services.host.system == System::Wine || services.registry == nullptr
          ? std::nullopt
          : manifest::PreferExternalManifest(*services.registry);
  if (report.facts && manifest::OwnManifestWins(services.host.system, preferExternal, *report.facts)) {
    applied += kOwnManifestWinsSentence;
  }
  applied += RestartSentenceFor(report);
  showInformation(services, applied);
}

// The steps of applying; the first failure stops them and is returned.
Status applyStyle(const Target& target, ApplyControls& controls, const ManifestServices& services) {
  const manifest::Examined program = manifest::Examine(target.path, engineServices(services));
  Consent consent = Consent::None;
  if (!manifest::ApplyRefusal(program)) {
    const std::vector<manifest::AssemblyIdentity>& hidden = program.hiddenOnXp;
    if (!hidden.empty()) {
      std::string question(kHiddenDependenciesBefore);
      question += manifest::DependencyList(hidden);
      question += kHiddenDependenciesAfter;
      if (!ask(services, question)) {
        controls.setApplyEnabled(true);
        return std::nullopt;
      }
      consent = Consent::Given;
    }
    const bool manifestThere = program.manifest && program.manifest->state != ManifestState::None &&
                               program.manifest->state != ManifestState::NotAFile;
    if (manifestThere) {
      const std::string question = riskQuestion(program, kForeignOverwriteAfter, kNotAManifestOverwriteAfter)
                                       .value_or(std::string(kOverwriteQuestion));
      if (!ask(services, question)) {
        controls.setApplyEnabled(true);
        return std::nullopt;
      }
      consent = Consent::Given;
    }
  }
  manifest::Report report = manifest::ApplyTo(program, consent, engineServices(services));
  if (!WithFullRights(report, target, {true, consent}, services)) {
    controls.setApplyEnabled(true);
    return std::nullopt;
  }
  switch (report.outcome) {
    case Outcome::Applied:
    case Outcome::Replaced: showApplied(target, report, services); return std::nullopt;
    case Outcome::NotFound: return Error{kErrFileNotFound, std::string(kNotFoundMessage)};
    case Outcome::Failed: return report.error.value_or(Error{});
    case Outcome::ManifestBlocked: showBlocked(services, report, kBlockedApplyAfter); return std::nullopt;
    case Outcome::Library: showInformation(services, kLibraryMessage); return std::nullopt;
    case Outcome::WrongMachine: showInformation(services, kWrongMachineMessage); return std::nullopt;
    case Outcome::BadName: showInformation(services, kBadNameMessage); return std::nullopt;
    case Outcome::NotWindowsProgram:
    case Outcome::Folder:
    case Outcome::NotAFile: showInformation(services, kNotAProgramMessage); return std::nullopt;
    default:
      // Every question has been asked before, so nothing else is left to
      // come of it; whatever does leaves the files as they were.
      controls.setApplyEnabled(true);
      return std::nullopt;
  }
}

// The steps of undoing; the first failure stops them and is returned.
Status undoStyle(ApplyControls& controls, const Target& target, const ManifestServices& services) {
  const manifest::Examined program = manifest::Examine(target.path, engineServices(services));
  const std::optional<std::string> question = riskQuestion(program, kForeignDeleteAfter, kNotAManifestDeleteAfter);
  if (question && !ask(services, *question)) {
    controls.setApplyEnabled(true);
    return std::nullopt;
  }
  // Choosing undo for this program is the consent for a manifest that only
  // binds the common controls, whoever wrote it; the question was the
  // consent for anything else.
  manifest::Report report = manifest::UndoFor(program, Consent::Given, engineServices(services));
  if (!WithFullRights(report, target, {false, Consent::Given}, services)) {
    controls.setApplyEnabled(true);
    return std::nullopt;
  }
  switch (report.outcome) {
    case Outcome::Undone:
      services.messages.show(std::string(kUndoneMessage) += RestartSentenceFor(report), mb::kOk | mb::kIconInformation);
      return std::nullopt;
    case Outcome::Failed: return report.error.value_or(Error{});
    case Outcome::ManifestBlocked: showBlocked(services, report, kBlockedUndoAfter); return std::nullopt;
    default:
      services.messages.show(std::string(kNothingToUndoMessage), mb::kOk | mb::kIconExclamation);
      return std::nullopt;
  }
}

}  // namespace

void ManifestYaz(const Target& target, ApplyControls& controls, const ManifestServices& services) {
  const Status failure = applyStyle(target, controls, services);
  if (!failure) return;
  if (failure->number == kErrFileNotFound) {
    services.messages.show(std::string(kNotFoundMessage), mb::kOk | mb::kIconInformation);
    controls.setApplyEnabled(false);
    controls.setPathText("");
    return;
  }
  ShowErrorReport(services.messages, kApplyHeadline, kNumberLabel, *failure);
}

void ManifestGeriAl(const Target& target, ApplyControls& controls, const ManifestServices& services) {
  // Unlike applying, "not found" gets no message of its own here.
  if (const Status failure = undoStyle(controls, target, services)) {
    ShowErrorReport(services.messages, kUndoHeadline, kNumberLabel, *failure);
  }
}

void cmdUygulaClick(const Target& target, ApplyControls& controls, const ManifestServices& services) {
  // Disabled first: the run shows modal boxes, and a second click must not
  // start a second run meanwhile.
  controls.setApplyEnabled(false);
  if (controls.applyOptionSelected()) {
    ManifestYaz(target, controls, services);
  } else {
    ManifestGeriAl(target, controls, services);
  }
}

}  // namespace kovrena::app
