#pragma once
// Small PE images made to order: the headers a loader checks, a code
// section, and optionally a resource section holding a manifest. Where the
// headers lie is handed back so that a test can corrupt them exactly. Platform-free: the Windows tests use it too.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kovrena::testing {

struct PeRecipe {
  std::uint16_t machine = 0x014C;
  std::optional<bool> pe32Plus;  // default: what the machine needs
  bool dll = false;
  std::optional<std::string> manifest;  // resource data
  std::uint32_t manifestType = 24;
  std::uint32_t manifestId = 1;
  std::string overlay;  // bytes after the last section, as installers and signatures append
  std::optional<std::uint32_t> corFlags;  // a .NET runtime header with these flags

  // Chained changes of the default image (x86 program, no resources).
  PeRecipe forMachine(std::uint16_t value) const {
    PeRecipe recipe = *this;
    recipe.machine = value;
    return recipe;
  }
  PeRecipe asDll() const {
    PeRecipe recipe = *this;
    recipe.dll = true;
    return recipe;
  }
  PeRecipe withManifest(std::string text, std::uint32_t type = 24, std::uint32_t id = 1) const {
    PeRecipe recipe = *this;
    recipe.manifest = std::move(text);
    recipe.manifestType = type;
    recipe.manifestId = id;
    return recipe;
  }
  PeRecipe managed(std::uint32_t flags) const {
    PeRecipe recipe = *this;
    recipe.corFlags = flags;
    return recipe;
  }
  PeRecipe withOverlay(std::string bytes) const {
    PeRecipe recipe = *this;
    recipe.overlay = std::move(bytes);
    return recipe;
  }
};

struct BuiltPe {
  std::string bytes;
  std::size_t ntOffset = 0;           // "PE\0\0"
  std::size_t optionalOffset = 0;     // optional header
  std::size_t sectionTableOffset = 0;
  std::size_t resourceOffset = 0;     // file offset of .rsrc, 0 without one
  std::uint32_t resourceRva = 0;
};

inline void put16(std::string& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}
inline void put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline BuiltPe BuildPe(const PeRecipe& recipe) {
  constexpr std::size_t kNt = 0x80;
  constexpr std::uint32_t kFileAlign = 0x200;
  constexpr std::uint32_t kSectionAlign = 0x1000;
  const bool plus = recipe.pe32Plus.value_or(recipe.machine == 0x8664 || recipe.machine == 0xAA64);
  const std::size_t optionalSize = plus ? 240 : 224;
  const bool resources = recipe.manifest.has_value();
  const std::uint16_t sectionCount = resources ? 2 : 1;

  BuiltPe pe;
  pe.ntOffset = kNt;
  pe.optionalOffset = kNt + 24;
  pe.sectionTableOffset = pe.optionalOffset + optionalSize;
  std::string& b = pe.bytes;
  b.assign(kFileAlign, '\0');

  b[0] = 'M';
  b[1] = 'Z';
  put32(b, 0x3C, kNt);
  const char stub[] = "This program cannot be run in DOS mode.";
  std::memcpy(&b[0x40], stub, sizeof stub - 1);

  std::memcpy(&b[kNt], "PE\0\0", 4);
  put16(b, kNt + 4, recipe.machine);
  put16(b, kNt + 6, sectionCount);
  put16(b, kNt + 20, static_cast<std::uint16_t>(optionalSize));
  put16(b, kNt + 22, static_cast<std::uint16_t>(0x0002 | (plus ? 0x0020 : 0x0100) | (recipe.dll ? 0x2000 : 0)));

  const std::size_t o = pe.optionalOffset;
  put16(b, o, plus ? 0x020B : 0x010B);
  put32(b, o + 16, kSectionAlign);  // entry point: the code section
  put32(b, o + 32, kSectionAlign);
  put32(b, o + 36, kFileAlign);
  put16(b, o + 40, 5);
  put16(b, o + 42, 1);
  put16(b, o + 48, 5);
  put16(b, o + 50, 1);
  put32(b, o + 56, kSectionAlign * (1u + sectionCount));
  put32(b, o + 60, kFileAlign);
  put16(b, o + 68, 3);
  const std::size_t directories = o + (plus ? 112 : 96);
  put32(b, directories - 4, 16);

  // .text: one "ret".
  const std::size_t text = pe.sectionTableOffset;
  std::memcpy(&b[text], ".text", 5);
  put32(b, text + 8, 1);
  put32(b, text + 12, kSectionAlign);
  put32(b, text + 16, kFileAlign);
  put32(b, text + 20, kFileAlign);
  put32(b, text + 36, 0x60000020);
  std::string code(kFileAlign, '\0');
  code[0] = '\xC3';
  if (recipe.corFlags) {
    // The runtime header, behind the code.
    constexpr std::size_t kHeaderAt = 16;
    put32(code, kHeaderAt, 72);
    put16(code, kHeaderAt + 4, 2);
    put16(code, kHeaderAt + 6, 5);
    put32(code, kHeaderAt + 16, *recipe.corFlags);
    put32(b, directories + 8 * 14, kSectionAlign + kHeaderAt);
    put32(b, directories + 8 * 14 + 4, 72);
    put32(b, text + 8, kHeaderAt + 72);
  }
  b += code;

  if (resources) {
    // Type, name and language directories, one entry each, then the data
    // entry and the manifest's bytes.
    pe.resourceRva = 2 * kSectionAlign;
    std::string r(88, '\0');
    put16(r, 14, 1);
    put32(r, 16, recipe.manifestType);
    put32(r, 20, 0x80000000u | 24);
    put16(r, 24 + 14, 1);
    put32(r, 24 + 16, recipe.manifestId);
    put32(r, 24 + 20, 0x80000000u | 48);
    put16(r, 48 + 14, 1);
    put32(r, 48 + 16, 0x0409);
    put32(r, 48 + 20, 72);
    put32(r, 72, pe.resourceRva + 88);
    put32(r, 76, static_cast<std::uint32_t>(recipe.manifest->size()));
    r += *recipe.manifest;
    const std::size_t rawSize = (r.size() + kFileAlign - 1) / kFileAlign * kFileAlign;
    r.resize(rawSize, '\0');

    const std::size_t rsrc = text + 40;
    std::memcpy(&b[rsrc], ".rsrc", 5);
    put32(b, rsrc + 8, static_cast<std::uint32_t>(88 + recipe.manifest->size()));
    put32(b, rsrc + 12, pe.resourceRva);
    put32(b, rsrc + 16, static_cast<std::uint32_t>(rawSize));
    put32(b, rsrc + 20, static_cast<std::uint32_t>(b.size()));
    put32(b, rsrc + 36, 0x40000040);
    put32(b, directories + 16, pe.resourceRva);
    put32(b, directories + 20, static_cast<std::uint32_t>(88 + recipe.manifest->size()));
    pe.resourceOffset = b.size();
    b += r;
  }
  b += recipe.overlay;
  return pe;
}

// A manifest as linkers embed it, asking for the common controls v6 or not.
inline std::string EmbeddedManifestText(bool commonControlsV6) {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
      "  <trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\"><security><requestedPrivileges>"
      "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/></requestedPrivileges></security>"
      "</trustInfo>\r\n";
  if (commonControlsV6) {
    text +=
        "  <dependency>\r\n    <dependentAssembly>\r\n"
        "      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""
        " processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>\r\n"
        "    </dependentAssembly>\r\n  </dependency>\r\n";
  }
  return text + "</assembly>\r\n";
}

}  // namespace kovrena::testing
