#include <string>

#include "manifest/engine.h"
#include "manifest/messages.h"

namespace kovrena::manifest {

namespace {

// The steps of applying; the first failure stops them and is returned.
Status applyStyle(const Target& target, ApplyControls& controls, MessageBoxService& messages,
                  FileSystem& files) {
  const std::string manifestPath = ManifestPath(target.path);
  const Result<bool> exists = ManifestFileKontrol(files, manifestPath);
  if (!exists) return exists.error();

  if (exists.value() &&
      messages.show(std::string(kOverwriteQuestion), kOverwriteStyle) != mb::kAnswerYes) {
    controls.setApplyEnabled(true);
    return std::nullopt;
  }
  // The old manifest is replaced by the rename, never deleted first: when
  // writing the new one fails, the old one is still there.
  const OldManifest old = exists.value() ? OldManifest::Replace : OldManifest::None;
  if (Status failure = WriteManifestFile(files, manifestPath, BuildManifestText(target.programName), old)) {
    return failure;
  }
  std::string applied(kAppliedBefore);
  applied += target.programName;
  applied += kAppliedAfter;
  messages.show(applied, mb::kOk | mb::kIconInformation);
  return std::nullopt;
}

}  // namespace

void ManifestYaz(const Target& target, ApplyControls& controls, MessageBoxService& messages,
                 FileSystem& files) {
  const Status failure = applyStyle(target, controls, messages, files);
  if (!failure) return;
  if (failure->number == kErrFileNotFound) {
    messages.show(std::string(kNotFoundMessage), mb::kOk | mb::kIconInformation);
    controls.setApplyEnabled(false);
    controls.setPathText("");
    return;
  }
  ShowErrorReport(messages, kApplyHeadline, kNumberLabel, *failure);
}

void cmdUygulaClick(const Target& target, ApplyControls& controls, MessageBoxService& messages,
                    FileSystem& files) {
  // Disabled first: the run shows modal boxes, and a second click must not
  // start a second run meanwhile.
  controls.setApplyEnabled(false);
  if (controls.applyOptionSelected()) {
    ManifestYaz(target, controls, messages, files);
  } else {
    ManifestGeriAl(target, messages, files);
  }
}

}  // namespace kovrena::manifest
