#include "manifest/after_change.h"

#include <utility>

#include "manifest/check.h"
#include "manifest/examine.h"

namespace kovrena::manifest {

namespace {

bool changedTheManifest(Outcome outcome) {
  return outcome == Outcome::Applied || outcome == Outcome::Replaced || outcome == Outcome::Undone;
}

}  // namespace

bool OwnManifestWinsHere(const Report& report, Services services) {
  return Overridden(report) && OwnManifestWins(services.host.system, PreferExternalManifestOn(services), *report.facts);
}

Report AfterChange(const Examined& program, Report report, Services services) {
  report.ownManifestWinsHere = OwnManifestWinsHere(report, services);
  if (report.outcome == Outcome::Failed) {
    report.fullRightsMayHelp = services.host.fullRightsOnConsent && report.error && IsAccessDenied(*report.error);
    return report;
  }
  // The way Windows' own developers document: a new last-write time makes
  // the loader read the manifest beside the program again, or find it gone.
  // A program that is gone has nothing cached that a new one would inherit
  // (its file comes with its own time).
  const bool programThere = program.kind && program.kind.value() == EntryKind::File;
  if (!changedTheManifest(report.outcome) || !services.host.cachesManifests || !programThere) return report;
  if (Status failed = services.files.setLastWriteTimeToNow(program.path)) {
    report.programTime = ProgramTime::NotSet;
    report.programTimeError = *failed;
    return report;
  }
  report.programTime = ProgramTime::Set;
  return report;
}

}  // namespace kovrena::manifest
