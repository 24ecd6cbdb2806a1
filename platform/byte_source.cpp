#include "platform/byte_source.h"

#include <cstring>

namespace kovrena {

Status MemorySource::read(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset > bytes_.size() || out.size() > bytes_.size() - offset) {
    // The number Windows gives a read past the end (ERROR_HANDLE_EOF).
    return Error{kWin32HandleEof, "Reached the end of the file", ErrorSource::Win32};
  }
  if (!out.empty()) std::memcpy(out.data(), bytes_.data() + offset, out.size());
  return std::nullopt;
}

}  // namespace kovrena
