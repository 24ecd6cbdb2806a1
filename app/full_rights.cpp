#include "app/full_rights.h"

#include <utility>

#include "app/manifest_messages.h"
#include "manifest/after_change.h"

namespace kovrena::app {

using manifest::ManifestState;
using manifest::Outcome;
using manifest::ProgramTime;

std::vector<std::string> HelperArguments(const std::string& path, ChosenChange change) {
  std::vector<std::string> arguments{change.apply ? "apply" : "undo"};
  if (change.consent != manifest::Consent::None) arguments.emplace_back("--force");
  // Whatever the path begins with, it is the program and no option.
  arguments.emplace_back("--");
  arguments.push_back(path);
  return arguments;
}

bool WithFullRights(manifest::Report& report, const Target& target, ChosenChange change,
                    const ManifestServices& services) {
  Elevation* elevation = services.elevation;
  if (!report.fullRightsMayHelp || elevation == nullptr) return true;
  if (!elevation->helperPresent()) {
    services.messages.show(std::string(kHelperMissingMessage), mb::kOk | mb::kIconExclamation);
    return false;
  }
  if (services.messages.show(std::string(kFullRightsQuestion), kFullRightsQuestionStyle) != mb::kAnswerYes) return true;
  const Result<std::uint64_t> before = services.files.lastWriteTime(target.path);
  const Result<ElevatedRun> ran = elevation->run(HelperArguments(target.path, change));
  if (!ran) {
    report.error = ran.error();
    return true;
  }
  if (ran.value() == ElevatedRun::Refused) {
    services.messages.show(std::string(kFullRightsRefusedMessage), mb::kOk | mb::kIconInformation);
    return false;
  }
  // The helper's word is not taken: the disk tells what it did, through
  // the engine's own examination.
  const manifest::Services engine{services.files, services.host, services.registry};
  manifest::Examined now = manifest::Examine(target.path, engine);
  if (!now.manifest || now.manifest->state != (change.apply ? ManifestState::Ours : ManifestState::None)) return true;
  report.outcome = change.apply ? Outcome::Applied : Outcome::Undone;
  report.error.reset();
  report.facts = std::move(now.facts);
  report.ownManifestWinsHere = manifest::OwnManifestWinsHere(report, engine);
  const bool programThere = now.kind && now.kind.value() == EntryKind::File;
  if (services.host.cachesManifests && programThere) {
    const Result<std::uint64_t> after = services.files.lastWriteTime(target.path);
    const bool moved = before && after && after.value() != before.value();
    report.programTime = moved ? ProgramTime::Set : ProgramTime::NotSet;
  }
  return true;
}

}  // namespace kovrena::app
