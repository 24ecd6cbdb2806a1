#include <string>

#include "manifest/engine.h"
#include "manifest/messages.h"

namespace kovrena::manifest {

namespace {

// The steps of undoing; the first failure stops them and is returned.
Status undoStyle(const Target& target, MessageBoxService& messages, FileSystem& files) {
  const std::string manifestPath = ManifestPath(target.path);
  const Result<bool> exists = ManifestFileKontrol(files, manifestPath);
  if (!exists) return exists.error();

  if (!exists.value()) {
    messages.show(std::string(kNothingToUndoMessage), mb::kOk | mb::kIconExclamation);
    return std::nullopt;
  }
  // Whatever file has the manifest's name is the manifest.
  if (Status failure = RemoveManifestFile(files, manifestPath)) return failure;
  messages.show(std::string(kUndoneMessage), mb::kOk | mb::kIconInformation);
  return std::nullopt;
}

}  // namespace

void ManifestGeriAl(const Target& target, MessageBoxService& messages, FileSystem& files) {
  // Unlike applying, "not found" gets no message of its own here.
  if (const Status failure = undoStyle(target, messages, files)) {
    ShowErrorReport(messages, kUndoHeadline, kNumberLabel, *failure);
  }
}

}  // namespace kovrena::manifest
