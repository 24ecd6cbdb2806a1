#include <memory>
#include <string>
#include <utility>

#include "manifest/engine.h"

namespace kovrena::manifest {

namespace {

Status writeAndClose(OutputFile& file, std::string_view bytes) {
  if (Status failure = file.write(bytes)) return failure;
  return file.close();
}

// Best effort: the failure that brought us here is the one worth reporting,
// so whatever goes wrong while tidying up is let go.
void removePartialFile(FileSystem& files, const std::string& path) {
  // A read-only or system file may refuse deletion until its attributes
  // are plain again.
  (void)files.setAttributes(path, attr::kNormal);
  (void)files.deleteFile(path);
}

}  // namespace

Result<bool> ManifestFileKontrol(FileSystem& files, const std::string& path) {
  Result<std::string> name = files.findFile(path, attr::kAnyFileLookup);
  if (!name) return name.error();
  return !name.value().empty();
}

Status WriteManifestFile(FileSystem& files, const std::string& manifestPath, std::string_view text) {
  Result<std::unique_ptr<OutputFile>> created = files.createFile(manifestPath);
  // Nothing was created, so nothing is removed: whatever sits at the path
  // (a folder of that name, say) is not ours.
  if (!created) return created.error();

  std::unique_ptr<OutputFile> file = std::move(created).value();
  Status failure = writeAndClose(*file, text);
  // The handle goes before any deletion: Windows will not delete a file
  // that is still open without sharing.
  file.reset();
  if (!failure) failure = files.setAttributes(manifestPath, attr::kHidden | attr::kSystem);
  // A half-written or visible manifest would be taken for a finished one by
  // the loader and by the next run alike: all or nothing.
  if (failure) removePartialFile(files, manifestPath);
  return failure;
}

}  // namespace kovrena::manifest
