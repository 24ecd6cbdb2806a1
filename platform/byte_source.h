#pragma once
// Random access to the bytes of a file whose content nobody vouches for.
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/error.h"

namespace kovrena {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t size() const = 0;
  // Fills out with the bytes from offset on. Callers stay within size(); a
  // file that shrinks meanwhile is a failure, never a short answer.
  virtual Status read(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

// Bytes already in memory: generated files in tests and fuzz inputs.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }
  Status read(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  std::string_view bytes_;
};

}  // namespace kovrena
