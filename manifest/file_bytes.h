#pragma once
// A whole small file's bytes, for reading manifests.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/disk.h"
#include "platform/error.h"

namespace kovrena::manifest {

// Larger than any manifest the tool writes, and than any a loader takes.
inline constexpr std::uint64_t kLargestManifest = 1u << 20;

// The file's bytes, when it holds no more than limit of them; nothing when
// it holds more.
Result<std::optional<std::string>> ReadUpTo(Disk& disk, const std::string& path, std::uint64_t limit);

}  // namespace kovrena::manifest
