#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "program/architecture.h"
#include "program/manifest_check.h"
#include "program/program_facts.h"

namespace kovrena::program {

namespace {

constexpr std::uint16_t kPe32 = 0x010B;
constexpr std::uint16_t kPe32Plus = 0x020B;
constexpr std::uint16_t kExecutableImage = 0x0002;
constexpr std::uint16_t kDll = 0x2000;
// The Windows loader refuses images with more sections than this.
constexpr std::uint32_t kMaxSections = 96;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kRuntimeDirectory = 14;
constexpr std::uint32_t kRuntimeHeaderSize = 72;
constexpr std::uint32_t kMaxDirectories = 16;
constexpr std::uint32_t kManifestType = 24;
constexpr std::uint32_t kProgramManifestId = 1;
// Real manifests are a few kilobytes; anything this large is not one.
constexpr std::uint32_t kMaxManifestBytes = 1u << 20;
constexpr std::uint32_t kHighBit = 0x80000000u;

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// Reads that say "no" for anything outside the file. A failure of the
// source itself is kept, and stops every later read.
class Reader {
 public:
  explicit Reader(ByteSource& source) : source_(source), size_(source.size()) {}

  bool fits(std::uint64_t offset, std::uint64_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }
  bool read(std::uint64_t offset, std::span<std::uint8_t> out) {
    if (failure_ || !fits(offset, out.size())) return false;
    failure_ = source_.read(offset, out);
    return !failure_;
  }
  std::optional<std::vector<std::uint8_t>> bytes(std::uint64_t offset, std::uint64_t length) {
    if (!fits(offset, length)) return std::nullopt;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(length));
    if (!read(offset, out)) return std::nullopt;
    return out;
  }
  const Status& failure() const { return failure_; }

 private:
  ByteSource& source_;
  std::uint64_t size_;
  Status failure_;
};

struct Section {
  std::uint32_t virtualAddress;
  std::uint32_t virtualSize;
  std::uint32_t rawOffset;
  std::uint32_t rawSize;
};

// The headers the loader maps, as far as this reader needs them.
struct Image {
  std::uint16_t machine = 0;
  std::uint16_t characteristics = 0;
  std::uint32_t sizeOfHeaders = 0;
  std::uint32_t resourceRva = 0;
  std::uint32_t runtimeRva = 0;
  std::uint32_t runtimeSize = 0;
  std::vector<Section> sections;

  // The file offset of [rva, rva + length), when all of it lies in the
  // file's bytes of one section (or of the headers, which are mapped at 0).
  // Bytes the loader would only zero-fill have no offset.
  std::optional<std::uint64_t> offsetOf(std::uint64_t rva, std::uint64_t length) const {
    if (rva < sizeOfHeaders && length <= sizeOfHeaders - rva) return rva;
    for (const Section& s : sections) {
      const std::uint64_t span = std::max(s.virtualSize, s.rawSize);
      if (rva < s.virtualAddress || rva - s.virtualAddress >= span) continue;
      const std::uint64_t delta = rva - s.virtualAddress;
      if (delta > s.rawSize || length > s.rawSize - delta) return std::nullopt;
      return std::uint64_t{s.rawOffset} + delta;
    }
    return std::nullopt;
  }
};

bool magicSuitsMachine(std::uint16_t machine, std::uint16_t magic) {
  switch (machine) {
    case machine::kX86: return magic == kPe32;
    case machine::kX64:
    case machine::kArm64: return magic == kPe32Plus;
    default: return true;
  }
}

// The headers and section table, or nothing when they do not hold together.
std::optional<Image> readImage(Reader& r) {
  std::array<std::uint8_t, 64> dos{};
  if (!r.read(0, dos) || dos[0] != 'M' || dos[1] != 'Z') return std::nullopt;
  const std::uint64_t ntAt = le32(&dos[0x3C]);
  std::array<std::uint8_t, 24> nt{};
  if (!r.read(ntAt, nt) || nt[0] != 'P' || nt[1] != 'E' || nt[2] != 0 || nt[3] != 0) return std::nullopt;

  Image image;
  image.machine = le16(&nt[4]);
  const std::uint16_t sectionCount = le16(&nt[6]);
  const std::uint16_t optionalSize = le16(&nt[20]);
  image.characteristics = le16(&nt[22]);
  if ((image.characteristics & kExecutableImage) == 0 || sectionCount > kMaxSections) return std::nullopt;

  const std::optional<std::vector<std::uint8_t>> optional = r.bytes(ntAt + 24, optionalSize);
  if (!optional || optional->size() < 2) return std::nullopt;
  const std::uint16_t magic = le16(optional->data());
  if (magic != kPe32 && magic != kPe32Plus) return std::nullopt;
  // Where the data directories start; the count just before them.
  const std::size_t directories = magic == kPe32 ? 96 : 112;
  if (optional->size() < directories || !magicSuitsMachine(image.machine, magic)) return std::nullopt;
  image.sizeOfHeaders = le32(optional->data() + 60);
  const std::uint64_t declared = le32(optional->data() + directories - 4);
  const std::uint64_t present = (optional->size() - directories) / 8;
  const std::uint64_t directoryCount = std::min({declared, present, std::uint64_t{kMaxDirectories}});
  if (directoryCount > kResourceDirectory) {
    image.resourceRva = le32(optional->data() + directories + 8 * kResourceDirectory);
  }
  if (directoryCount > kRuntimeDirectory) {
    image.runtimeRva = le32(optional->data() + directories + 8 * kRuntimeDirectory);
    image.runtimeSize = le32(optional->data() + directories + 8 * kRuntimeDirectory + 4);
  }

  const std::optional<std::vector<std::uint8_t>> table =
      r.bytes(ntAt + 24 + optionalSize, std::uint64_t{sectionCount} * 40);
  if (!table) return std::nullopt;
  for (std::size_t i = 0; i < sectionCount; ++i) {
    const std::uint8_t* s = table->data() + 40 * i;
    const Section section{le32(s + 12), le32(s + 8), le32(s + 20), le32(s + 16)};
    // A section whose bytes run past the end of the file is a truncated
    // image; the loader refuses it.
    if (section.rawSize != 0 && !r.fits(section.rawOffset, section.rawSize)) return std::nullopt;
    image.sections.push_back(section);
  }
  return image;
}

struct ResourceEntry {
  std::uint32_t id = 0;
  bool named = false;
  bool directory = false;
  std::uint32_t offset = 0;  // from the start of the resource directory
};

// The entries of the resource directory at this offset, or nothing when
// the directory lies outside the file.
std::optional<std::vector<ResourceEntry>> resourceEntries(Reader& r, const Image& image, std::uint64_t offset) {
  const std::uint64_t rva = std::uint64_t{image.resourceRva} + offset;
  const std::optional<std::uint64_t> headerAt = image.offsetOf(rva, 16);
  if (!headerAt) return std::nullopt;
  std::array<std::uint8_t, 16> header;
  if (!r.read(*headerAt, header)) return std::nullopt;
  const std::uint64_t count = std::uint64_t{le16(&header[12])} + le16(&header[14]);
  const std::optional<std::uint64_t> entriesAt = image.offsetOf(rva + 16, count * 8);
  if (!entriesAt) return std::nullopt;
  const std::optional<std::vector<std::uint8_t>> raw = r.bytes(*entriesAt, count * 8);
  if (!raw) return std::nullopt;
  std::vector<ResourceEntry> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t name = le32(raw->data() + 8 * i);
    const std::uint32_t target = le32(raw->data() + 8 * i + 4);
    entries.push_back({name & ~kHighBit, (name & kHighBit) != 0, (target & kHighBit) != 0, target & ~kHighBit});
  }
  return entries;
}

std::optional<ResourceEntry> subdirectoryWithId(const std::vector<ResourceEntry>& entries, std::uint32_t id) {
  for (const ResourceEntry& e : entries) {
    if (!e.named && e.id == id) {
      if (!e.directory) return std::nullopt;
      return e;
    }
  }
  return std::nullopt;
}

// Type, name and language: the tree is three levels deep by definition and
// walked exactly that far, so a directory that points back at an ancestor
// cannot make the walk go round.
EmbeddedManifest embeddedManifest(Reader& r, const Image& image, std::string& text) {
  if (image.resourceRva == 0) return EmbeddedManifest::None;
  const auto types = resourceEntries(r, image, 0);
  if (!types) return EmbeddedManifest::None;
  const std::optional<ResourceEntry> type = subdirectoryWithId(*types, kManifestType);
  if (!type) return EmbeddedManifest::None;
  const auto names = resourceEntries(r, image, type->offset);
  if (!names) return EmbeddedManifest::Unreadable;
  const std::optional<ResourceEntry> name = subdirectoryWithId(*names, kProgramManifestId);
  if (!name) return EmbeddedManifest::None;
  const auto languages = resourceEntries(r, image, name->offset);
  if (!languages || languages->empty() || languages->front().directory) return EmbeddedManifest::Unreadable;

  const std::optional<std::uint64_t> entryAt =
      image.offsetOf(std::uint64_t{image.resourceRva} + languages->front().offset, 16);
  if (!entryAt) return EmbeddedManifest::Unreadable;
  std::array<std::uint8_t, 16> entry;
  if (!r.read(*entryAt, entry)) return EmbeddedManifest::Unreadable;
  const std::uint32_t dataRva = le32(&entry[0]);
  const std::uint32_t dataSize = le32(&entry[4]);
  if (dataSize > kMaxManifestBytes) return EmbeddedManifest::Unreadable;
  const std::optional<std::uint64_t> dataAt = image.offsetOf(dataRva, dataSize);
  if (!dataAt) return EmbeddedManifest::Unreadable;
  // Read straight into the text: up to a megabyte, and not copied again.
  text.resize(dataSize);
  if (!r.read(*dataAt, std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size()))) {
    text.clear();
    return EmbeddedManifest::Unreadable;
  }
  return EmbeddedManifest::WithoutCommonControlsV6;  // judged once the program's processor is known
}

// The flags of the .NET runtime header; nothing for a native program or a
// header that does not lie in the file.
std::optional<std::uint32_t> runtimeFlags(Reader& r, const Image& image) {
  if (image.runtimeRva == 0 || image.runtimeSize < kRuntimeHeaderSize) return std::nullopt;
  const std::optional<std::uint64_t> at = image.offsetOf(image.runtimeRva, kRuntimeHeaderSize);
  if (!at) return std::nullopt;
  std::array<std::uint8_t, kRuntimeHeaderSize> header;
  if (!r.read(*at, header) || le32(&header[0]) < kRuntimeHeaderSize) return std::nullopt;
  return le32(&header[16]);
}

}  // namespace

Result<ProgramFacts> ReadProgramFacts(ByteSource& file, std::unique_ptr<ManifestReading>* ownManifest) {
  Reader r(file);
  ProgramFacts facts;
  const std::optional<Image> image = readImage(r);
  if (image) {
    facts.windowsProgram = true;
    facts.machine = image->machine;
    facts.library = (image->characteristics & kDll) != 0;
    facts.embedded = embeddedManifest(r, *image, facts.embeddedText);
    if (const std::optional<std::uint32_t> flags = runtimeFlags(r, *image)) {
      facts.managed = true;
      facts.corFlags = *flags;
    }
    if (facts.embedded == EmbeddedManifest::WithoutCommonControlsV6) {
      std::unique_ptr<ManifestReading> reading = ReadManifestKept(facts.embeddedText, ArchitectureFor(facts), facts.machine);
      switch (reading->problem) {
        case ManifestProblem::None: facts.embedded = EmbeddedManifest::WithCommonControlsV6; break;
        case ManifestProblem::NoCommonControlsV6: break;
        default: facts.embedded = EmbeddedManifest::Faulty; break;
      }
      if (ownManifest != nullptr) *ownManifest = std::move(reading);
    }
  }
  if (r.failure()) return *r.failure();
  return facts;
}

}  // namespace kovrena::program
