#pragma once
// Failures a test asks a fake to report, by operation.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/error.h"

namespace kovrena::testing {

enum class FileOp {
  Find, Create, Write, Flush, Close, SetAttributes, GetAttributes, Delete, Replace, Kind, List, Read, LinkCount, SyncFolders,
  GetTime, SetTime
};

struct Fault {
  FileOp op;
  Error error;
  // SetAttributes only: fail just when this value is being set.
  std::optional<std::uint32_t> onlyValue = std::nullopt;
  // Fail only for this path (the manifest rather than the program, say).
  std::optional<std::string> onlyPath = std::nullopt;
};

// The first fault registered for this operation (and value), if any.
inline std::optional<Error> FaultFor(const std::vector<Fault>& faults, FileOp op,
                                     std::optional<std::uint32_t> value = std::nullopt,
                                     const std::string* path = nullptr) {
  for (const Fault& fault : faults) {
    if (fault.op != op) continue;
    if (fault.onlyValue && value && *fault.onlyValue != *value) continue;
    if (fault.onlyPath && path != nullptr && *fault.onlyPath != *path) continue;
    return fault.error;
  }
  return std::nullopt;
}

}  // namespace kovrena::testing
