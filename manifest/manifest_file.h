#pragma once
// The manifest file on the disk: the existence check, the one write and the one removal.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/file_system.h"

namespace kovrena::manifest {

// True when a file of exactly this path exists, hidden/system/read-only included, folders not.
Result<bool> ManifestFileKontrol(FileSystem& files, const std::string& path);

// What WriteManifestFile does with a file already at the manifest path.
enum class OldManifest {
  None,     // none is expected: a rename into an empty place
  Replace,  // its read-only bit is cleared right before the rename, so that a
            // read-only one is replaced too, and given back if the rename fails
};

// Writes the manifest file in one step: the whole text goes to a temporary
// file beside it, Hidden from its creation, flushed to the disk and made
// Hidden+System, which is then renamed over the manifest path. The path
// holds the old file or the complete new one at every instant, a kill or a
// power cut included; any failure removes the temporary file and leaves
// the old one where it was.
Status WriteManifestFile(FileSystem& files, const std::string& manifestPath, std::string_view text,
                         OldManifest old);

// Deletes the manifest file: its attributes plain first (unless the file
// has other names), deleted, found gone, its folder on the disk (see
// FileSystem::deleteFile). On any failure the file keeps the attributes it
// had; a delete that reports success but leaves the file is a failure.
inline constexpr std::string_view kStillThereMessage = "Dosya silinemedi: silindi bildirildiği halde hâlâ yerinde";

Status RemoveManifestFile(FileSystem& files, const std::string& manifestPath);

}  // namespace kovrena::manifest
