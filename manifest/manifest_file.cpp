#include "manifest/manifest_file.h"

#include <memory>
#include <string>
#include <utility>


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

// Renames the finished file over the old manifest. Windows refuses to
// replace a read-only file, so that bit alone is cleared first, and given
// back when the rename fails: Hidden and System stay, so that a run killed
// in between leaves the old manifest as hidden as it was. A file with other
// names is never changed in place (its other names would change too): the
// rename replaces this name only.
Status replaceOld(FileSystem& files, const std::string& finished, const std::string& manifestPath) {
  const Result<std::uint32_t> old = files.getAttributes(manifestPath);
  if (!old) return old.error();
  const Result<std::uint32_t> links = files.linkCount(manifestPath);
  if (!links) return links.error();
  const bool clear = (old.value() & attr::kReadOnly) != 0 && links.value() == 1;
  if (clear) {
    if (Status failure = files.setAttributes(manifestPath, old.value() & ~attr::kReadOnly)) return failure;
  }
  Status failure = files.replaceFile(finished, manifestPath);
  if (failure && clear) (void)files.setAttributes(manifestPath, old.value());
  return failure;
}

}  // namespace

Result<bool> ManifestFileKontrol(FileSystem& files, const std::string& path) {
  Result<std::string> name = files.findFile(path, attr::kAnyFileLookup);
  if (!name) return name.error();
  return !name.value().empty();
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

Status RemoveManifestFile(FileSystem& files, const std::string& manifestPath) {
  const Result<std::uint32_t> old = files.getAttributes(manifestPath);
  if (!old) return old.error();
  const Result<std::uint32_t> links = files.linkCount(manifestPath);
  if (!links) return links.error();
  // Plain attributes first, so that a hidden, system or read-only one can
  // be deleted; never on a file with other names, which would keep them.
  const bool clear = old.value() != attr::kNormal && links.value() == 1;
  if (clear) {
    if (Status failure = files.setAttributes(manifestPath, attr::kNormal)) return failure;
  }
  Status failure = files.deleteFile(manifestPath);
  if (!failure) {
    // A delete may report success and leave the file (Wine, in a folder the
    // user cannot write): only a file no longer there is deleted.
    const Result<std::uint32_t> after = files.getAttributes(manifestPath);
    if (after) failure = Error{kErrPathFileAccess, std::string(kStillThereMessage)};
    else if (!IsNotFound(after.error())) failure = after.error();
    else return std::nullopt;
  }
  if (clear) (void)files.setAttributes(manifestPath, old.value());
  return failure;
}

}  // namespace kovrena::manifest
