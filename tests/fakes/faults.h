#pragma once
// Failures a test asks a fake to report, by operation.
#include <cstdint>
#include <optional>
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
};

// The first fault registered for this operation (and value), if any.
inline std::optional<Error> FaultFor(const std::vector<Fault>& faults, FileOp op,
                                     std::optional<std::uint32_t> value = std::nullopt) {
  for (const Fault& fault : faults) {
    if (fault.op != op) continue;
    if (fault.onlyValue && value && *fault.onlyValue != *value) continue;
    return fault.error;
  }
  return std::nullopt;
}

}  // namespace kovrena::testing
