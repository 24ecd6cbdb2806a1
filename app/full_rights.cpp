#include "app/full_rights.h"

#include <utility>

#include "app/manifest_messages.h"

namespace kovrena::app {

using manifest::ManifestState;
using manifest::Outcome;
using manifest::ProgramTime;

std::string_view RestartSentenceFor(const manifest::Report& report) {
  return report.programTime == ProgramTime::NotSet ? kRestartSentence : std::string_view();
}

std::vector<std::string> HelperArguments(const std::string& path, ChosenChange change) {
  std::vector<std::string> arguments{change.apply ? "apply" : "undo"};
  if (change.consent == manifest::Consent::Given) arguments.emplace_back("--force");
  // Whatever the path begins with, it is the program and no option.
  arguments.emplace_back("--");
  arguments.push_back(path);
  return arguments;
}

std::optional<manifest::Report> WithFullRights(manifest::Report refused, const Target& target, ChosenChange change,
                                               const ManifestServices& services) {
  Elevation* elevation = services.elevation;
  if (!refused.fullRightsMayHelp || elevation == nullptr) return refused;
  if (!elevation->helperPresent()) {
    std::string missing(kHelperMissingBefore);
    missing += elevation->helperName();
    missing += kHelperMissingAfter;
    services.messages.show(missing, mb::kOk | mb::kIconExclamation);
    return std::nullopt;
  }
  if (services.messages.show(std::string(kFullRightsQuestion), kFullRightsQuestionStyle) != mb::kAnswerYes) {
    return refused;
  }
  const Result<std::uint64_t> before = services.files.lastWriteTime(target.path);
  const Result<ElevatedRun> ran = elevation->run(HelperArguments(target.path, change));
  if (!ran) {
    refused.error = ran.error();
    return refused;
  }
  if (ran.value() == ElevatedRun::Refused) {
    services.messages.show(std::string(kFullRightsRefusedMessage), mb::kOk | mb::kIconInformation);
    return std::nullopt;
  }
  // The helper's word is not taken: the disk tells what it did, through
  // the engine's own examination.
  const manifest::Services engine{services.disk, services.files, services.host};
  const manifest::Examined now = manifest::Examine(target.path, engine);
  if (!now.manifest) return refused;
  const bool done = change.apply ? now.manifest->state == ManifestState::Ours : now.manifest->state == ManifestState::None;
  if (!done) return refused;
  manifest::Report report = manifest::StatusOf(now);
  report.outcome = change.apply ? Outcome::Applied : Outcome::Undone;
  report.manifest = refused.manifest;
  const bool programThere = now.kind && now.kind.value() == EntryKind::File;
  if (services.host.cachesManifests && programThere) {
    const Result<std::uint64_t> after = services.files.lastWriteTime(target.path);
    const bool moved = before && after && after.value() != before.value();
    report.programTime = moved ? ProgramTime::Set : ProgramTime::NotSet;
  }
  return report;
}

}  // namespace kovrena::app
