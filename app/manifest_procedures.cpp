#include "app/manifest_procedures.h"

#include <optional>
#include <string>
#include <string_view>

#include "app/error_report.h"
#include "app/full_rights.h"
#include "app/manifest_messages.h"
#include "manifest/commands.h"
#include "manifest/examine.h"
#include "outcomes/outcome_table.h"

namespace kovrena::app {

namespace {

using manifest::Consent;

manifest::Services engineServices(const ManifestServices& services) {
  return {services.files, services.host, services.registry};
}

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

// The outcome as the table's window column says it; what the click ends
// with is returned to the caller.
outcomes::WindowEnd present(outcomes::Action action, manifest::Outcome outcome, const Target& target,
                            const manifest::Report& report, const ManifestServices& services) {
  const outcomes::WindowMessage& row = outcomes::WindowRowOf(action, outcome);
  if (row.end == outcomes::WindowEnd::Message || row.end == outcomes::WindowEnd::ProgramGone) {
    const outcomes::Wording wording{action, target.programName};
    services.messages.show(outcomes::WindowText(row, wording, report), row.style);
  }
  return row.end;
}

// The question an apply outcome waits on, before what it asks for is granted.
std::string applyQuestion(const manifest::Examined& program, const manifest::Report& report) {
  if (report.outcome == manifest::Outcome::HidesDependencies) {
    std::string question(kHiddenDependenciesBefore);
    question += manifest::DependencyList(report.hiddenOnXp);
    question += kHiddenDependenciesAfter;
    return question;
  }
  return riskQuestion(program, kForeignOverwriteAfter, kNotAManifestOverwriteAfter)
      .value_or(std::string(kOverwriteQuestion));
}

// After the engine's last word on applying: full rights where they may
// help, then the outcome as the window says it.
Status applied(manifest::Report& report, const Target& target, Consent granted, ApplyControls& controls,
               const ManifestServices& services) {
  if (!WithFullRights(report, target, {true, granted}, services)) {
    controls.setApplyEnabled(true);
    return std::nullopt;
  }
  // A failure because the program or its folder went away meanwhile reads
  // as the program not found.
  const bool gone = report.outcome == manifest::Outcome::Failed && report.error && IsNotFound(*report.error);
  switch (present(outcomes::Action::Apply, gone ? manifest::Outcome::NotFound : report.outcome, target, report,
                  services)) {
    case outcomes::WindowEnd::ErrorReport: return report.error;
    case outcomes::WindowEnd::ProgramGone:
      controls.setApplyEnabled(false);
      controls.setPathText("");
      return std::nullopt;
    case outcomes::WindowEnd::Again:
      // Every question has been asked before, so nothing else is left to
      // come of it; whatever does leaves the files as they were.
      controls.setApplyEnabled(true);
      return std::nullopt;
    case outcomes::WindowEnd::Message: break;
  }
  return std::nullopt;
}

// The steps of applying; the first failure stops them and is returned. The
// engine is asked first; an outcome that waits for the user's consent gets
// its question, and the engine is asked again with what was granted, as
// kovrena-cli asks it with --force.
Status applyStyle(const Target& target, ApplyControls& controls, const ManifestServices& services) {
  const manifest::Examined program = manifest::Examine(target.path, engineServices(services));
  Consent granted = Consent::None;
  for (;;) {
    manifest::Report report = manifest::ApplyTo(program, granted, engineServices(services));
    const Consent awaited = manifest::AwaitedConsent(report.outcome);
    // A consent granted already is not asked for again, whatever the engine says.
    if (awaited == Consent::None || manifest::Allows(granted, awaited)) {
      return applied(report, target, granted, controls, services);
    }
    if (!ask(services, applyQuestion(program, report))) {
      controls.setApplyEnabled(true);
      return std::nullopt;
    }
    granted = granted | awaited;
  }
}

// The steps of undoing; the first failure stops them and is returned.
Status undoStyle(ApplyControls& controls, const Target& target, const ManifestServices& services) {
  const manifest::Examined program = manifest::Examine(target.path, engineServices(services));
  Consent granted = Consent::None;
  for (;;) {
    manifest::Report report = manifest::UndoFor(program, granted, engineServices(services));
    const Consent awaited = manifest::AwaitedConsent(report.outcome);
    if (awaited == Consent::None || manifest::Allows(granted, awaited)) {
      // Choosing undo for this program is the consent for a manifest that
      // only binds the common controls, whoever wrote it; the question was
      // the consent for anything else. The helper is told so.
      if (!WithFullRights(report, target, {false, Consent::Given}, services)) {
        controls.setApplyEnabled(true);
        return std::nullopt;
      }
      if (present(outcomes::Action::Undo, report.outcome, target, report, services) ==
          outcomes::WindowEnd::ErrorReport) {
        return report.error;
      }
      return std::nullopt;
    }
    const std::optional<std::string> question = riskQuestion(program, kForeignDeleteAfter, kNotAManifestDeleteAfter);
    if (question && !ask(services, *question)) {
      controls.setApplyEnabled(true);
      return std::nullopt;
    }
    granted = granted | awaited;
  }
}

}  // namespace

void ManifestYaz(const Target& target, ApplyControls& controls, const ManifestServices& services) {
  const Status failure = applyStyle(target, controls, services);
  if (!failure) return;
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
