// Any bytes as a program file: the reader must answer without reading
// outside them, and its answer must not depend on how the bytes are read.
// The same bytes also go to the manifest reader on their own, since an
// embedded manifest is whatever a file says it is.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "program/manifest_check.h"
#include "program/program_facts.h"

using namespace kovrena::program;
using kovrena::ByteSource;
using kovrena::MemorySource;

namespace {

// Hands each read over in a buffer of its own size, so that the sanitizer
// sees any read past what was asked for.
class ExactSource final : public ByteSource {
 public:
  explicit ExactSource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }
  kovrena::Status read(std::uint64_t offset, std::span<std::uint8_t> out) override {
    if (offset > bytes_.size() || out.size() > bytes_.size() - offset) std::abort();
    return MemorySource(bytes_).read(offset, out);
  }

 private:
  std::string_view bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ExactSource source(bytes);
  const kovrena::Result<ProgramFacts> facts = ReadProgramFacts(source);
  // A source that never fails gives a verdict every time.
  if (!facts.ok()) std::abort();
  const ProgramFacts& f = facts.value();
  if (!f.windowsProgram && (f.machine != 0 || f.library || f.embedded != EmbeddedManifest::None)) std::abort();
  (void)ReadManifest(bytes, ManifestArchitecture::X86, machine::kX86);
  return 0;
}
