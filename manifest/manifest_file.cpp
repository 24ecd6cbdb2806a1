#include <memory>
#include <string>
#include <utility>

#include "manifest/engine.h"

namespace kovrena::manifest {

namespace {

// The bytes, all of them on the disk itself, and the handle given up.
Status writeFlushAndClose(OutputFile& file, std::string_view bytes) {
  if (Status failure = file.write(bytes)) return failure;
  if (Status failure = file.flush()) return failure;
  return file.close();
}

// Best effort: the failure that brought us here is the one worth reporting,
// so whatever goes wrong while tidying up is let go.
void removeTemporaryFile(FileSystem& files, const std::string& path) {
  // A system file may refuse deletion until its attributes are plain again.
  (void)files.setAttributes(path, attr::kNormal);
  (void)files.deleteFile(path);
}

// Clears the old manifest's attributes, so that a read-only one can be
// replaced, renames the finished file over it, and gives the old one its
// attributes back when the rename fails.
Status replaceOld(FileSystem& files, const std::string& finished, const std::string& manifestPath) {
  const Result<std::uint32_t> old = files.getAttributes(manifestPath);
  if (!old) return old.error();
  if (Status failure = files.setAttributes(manifestPath, attr::kNormal)) return failure;
  Status failure = files.replaceFile(finished, manifestPath);
  if (failure) (void)files.setAttributes(manifestPath, old.value());
  return failure;
}

}  // namespace

Result<bool> ManifestFileKontrol(FileSystem& files, const std::string& path) {
  Result<std::string> name = files.findFile(path, attr::kAnyFileLookup);
  if (!name) return name.error();
  return !name.value().empty();
}

Status RemoveManifestFile(FileSystem& files, const std::string& manifestPath) {
  if (Status failure = files.setAttributes(manifestPath, attr::kNormal)) return failure;
  return files.deleteFile(manifestPath);
}

Status WriteManifestFile(FileSystem& files, const std::string& manifestPath, std::string_view text,
                         OldManifest old) {
  // What a killed run left beside the manifest goes first.
  files.removeLeftovers(manifestPath);
  // Nothing was created, so nothing is removed.
  Result<NewFile> created = files.createTemporaryFile(manifestPath);
  if (!created) return created.error();

  NewFile temporary = std::move(created).value();
  Status failure = writeFlushAndClose(*temporary.file, text);
  // The handle goes before the rename or any deletion: Windows does
  // neither to a file that is still open without sharing.
  temporary.file.reset();
  if (!failure) failure = files.setAttributes(temporary.path, attr::kHidden | attr::kSystem);
  if (!failure) {
    failure = old == OldManifest::Replace ? replaceOld(files, temporary.path, manifestPath)
                                          : files.replaceFile(temporary.path, manifestPath);
  }
  // The manifest path has held the old file all along; only the temporary
  // one is left to remove.
  if (failure) removeTemporaryFile(files, temporary.path);
  return failure;
}

}  // namespace kovrena::manifest
