#include "pe_reader.h"

#include <cstring>

namespace {

struct Reader {
  const std::vector<std::uint8_t>& bytes;
  bool fits(std::uint64_t offset, std::uint64_t size) const {
    return offset <= bytes.size() && size <= bytes.size() - offset;
  }
  std::optional<std::uint32_t> u32(std::uint64_t offset) const {
    if (!fits(offset, 4)) return std::nullopt;
    return static_cast<std::uint32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                                      static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
  }
  std::optional<std::uint16_t> u16(std::uint64_t offset) const {
    if (!fits(offset, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
  }
  std::optional<std::string> cstring(std::uint64_t offset) const {
    std::string text;
    for (; offset < bytes.size(); ++offset) {
      if (bytes[offset] == 0) return text;
      text.push_back(static_cast<char>(bytes[offset]));
    }
    return std::nullopt;
  }
};

struct Section {
  std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

std::optional<std::uint64_t> rvaToOffset(const std::vector<Section>& sections, std::uint32_t rva) {
  for (const Section& s : sections) {
    const std::uint32_t span = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
    if (rva >= s.virtualAddress && rva - s.virtualAddress < span) {
      const std::uint32_t delta = rva - s.virtualAddress;
      if (delta >= s.rawSize) return std::nullopt;
      return std::uint64_t{s.rawOffset} + delta;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<PeFacts> readPe(const std::vector<std::uint8_t>& file) {
  const Reader r{file};
  if (!r.fits(0, 64) || file[0] != 'M' || file[1] != 'Z') return std::nullopt;
  const auto peOffset = r.u32(0x3c);
  if (!peOffset || !r.fits(*peOffset, 24) || std::memcmp(&file[*peOffset], "PE\0\0", 4) != 0) {
    return std::nullopt;
  }
  const std::uint64_t coff = *peOffset + 4;
  PeFacts facts;
  facts.machine = *r.u16(coff);
  const std::uint16_t sectionCount = *r.u16(coff + 2);
  const std::uint16_t optionalSize = *r.u16(coff + 16);
  const std::uint64_t opt = coff + 20;
  if (!r.fits(opt, optionalSize) || optionalSize < 96) return std::nullopt;
  facts.optionalMagic = *r.u16(opt);
  const bool pe32 = facts.optionalMagic == 0x10b;
  if (!pe32 && facts.optionalMagic != 0x20b) return std::nullopt;
  facts.majorOsVersion = *r.u16(opt + 40);
  facts.minorOsVersion = *r.u16(opt + 42);
  facts.majorSubsystemVersion = *r.u16(opt + 48);
  facts.minorSubsystemVersion = *r.u16(opt + 50);
  facts.subsystem = *r.u16(opt + 68);
  const std::uint64_t dirs = opt + (pe32 ? 96 : 112);
  const auto importRva = r.u32(dirs + 8);
  if (!importRva || dirs + 16 > opt + optionalSize) return std::nullopt;

  std::vector<Section> sections;
  const std::uint64_t table = opt + optionalSize;
  for (std::uint16_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t s = table + 40ull * i;
    if (!r.fits(s, 40)) return std::nullopt;
    sections.push_back({*r.u32(s + 12), *r.u32(s + 8), *r.u32(s + 20), *r.u32(s + 16)});
  }
  if (*importRva == 0) return facts;
  auto descriptor = rvaToOffset(sections, *importRva);
  if (!descriptor) return std::nullopt;
  for (std::uint64_t d = *descriptor;; d += 20) {
    const auto lookupRva = r.u32(d), nameRva = r.u32(d + 12), thunkRva = r.u32(d + 16);
    if (!lookupRva || !nameRva || !thunkRva) return std::nullopt;
    if (*nameRva == 0) break;
    const auto nameOffset = rvaToOffset(sections, *nameRva);
    if (!nameOffset) return std::nullopt;
    PeImport import{r.cstring(*nameOffset).value_or(""), {}};
    auto thunks = rvaToOffset(sections, *lookupRva != 0 ? *lookupRva : *thunkRva);
    if (!thunks) return std::nullopt;
    const unsigned width = pe32 ? 4 : 8;
    for (std::uint64_t t = *thunks;; t += width) {
      const auto low = r.u32(t);
      const auto high = pe32 ? std::optional<std::uint32_t>{0} : r.u32(t + 4);
      if (!low || !high) return std::nullopt;
      if (*low == 0 && *high == 0) break;
      const bool byOrdinal = pe32 ? (*low & 0x80000000u) != 0 : (*high & 0x80000000u) != 0;
      if (byOrdinal) {
        import.functions.push_back("#" + std::to_string(*low & 0xffffu));
        continue;
      }
      const auto hint = rvaToOffset(sections, *low & 0x7fffffffu);
      if (!hint) return std::nullopt;
      import.functions.push_back(r.cstring(*hint + 2).value_or(""));
    }
    facts.imports.push_back(std::move(import));
  }
  return facts;
}
