#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "program/program_facts.h"
#include "tests/native/cli/cli_test_support.h"
#include "tests/fakes/pe_builder.h"

namespace kovrena::program {
namespace {

using testing::BuildPe;
using testing::BuiltPe;
using testing::EmbeddedManifestText;
using testing::PeRecipe;
using testing::put16;
using testing::put32;
using testing::replaceAllOf;

ProgramFacts factsOf(const std::string& bytes) {
  MemorySource source(bytes);
  const Result<ProgramFacts> facts = ReadProgramFacts(source);
  EXPECT_TRUE(facts.ok());
  return facts.ok() ? facts.value() : ProgramFacts{};
}

std::string utf16le(const std::string& ascii, bool bom) {
  std::string out = bom ? std::string("\xFF\xFE", 2) : std::string();
  for (const char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

ProgramFacts expect(bool windowsProgram, std::uint16_t machineType, bool library, EmbeddedManifest embedded,
                    std::optional<std::uint32_t> corFlags = std::nullopt) {
  ProgramFacts facts;
  facts.managed = corFlags.has_value();
  facts.corFlags = corFlags.value_or(0);
  facts.windowsProgram = windowsProgram;
  facts.machine = machineType;
  facts.library = library;
  facts.embedded = embedded;
  return facts;
}

constexpr auto kNone = EmbeddedManifest::None;
constexpr auto kFaulty = EmbeddedManifest::Faulty;
constexpr auto kV6 = EmbeddedManifest::WithCommonControlsV6;
constexpr auto kNoV6 = EmbeddedManifest::WithoutCommonControlsV6;

struct Recognised {
  const char* name;
  PeRecipe recipe;
  ProgramFacts expected;
};

TEST(ProgramFactsTest, RecognisesGeneratedImages) {
  const std::string v6 = EmbeddedManifestText(true);
  const std::string plain = EmbeddedManifestText(false);
  const Recognised cases[] = {
      {"x86 program", {}, expect(true, machine::kX86, false, kNone)},
      {"x64 program", PeRecipe().forMachine(machine::kX64), expect(true, machine::kX64, false, kNone)},
      {"ARM64 program", PeRecipe().forMachine(machine::kArm64), expect(true, machine::kArm64, false, kNone)},
      {"other processor", PeRecipe().forMachine(0x01C4), expect(true, 0x01C4, false, kNone)},
      {"x86 DLL", PeRecipe().asDll(), expect(true, machine::kX86, true, kNone)},
      {"x86 with v6 manifest", PeRecipe().withManifest(v6), expect(true, machine::kX86, false, kV6)},
      {"x86 with manifest without v6", PeRecipe().withManifest(plain), expect(true, machine::kX86, false, kNoV6)},
      {"x64 with v6 manifest", PeRecipe().forMachine(machine::kX64).withManifest(v6), expect(true, machine::kX64, false, kV6)},
      {"UTF-16 manifest", PeRecipe().withManifest(utf16le(v6, true)), expect(true, machine::kX86, false, kV6)},
      {"UTF-16 manifest without BOM", PeRecipe().withManifest(utf16le(v6, false)), expect(true, machine::kX86, false, kV6)},
      {"UTF-8 BOM manifest", PeRecipe().withManifest("\xEF\xBB\xBF" + v6), expect(true, machine::kX86, false, kV6)},
      // A DLL's own manifest has id 2; it is not the program manifest.
      {"manifest with id 2", PeRecipe().withManifest(v6, 24, 2), expect(true, machine::kX86, false, kNone)},
      {"other resource type", PeRecipe().withManifest(v6, 16), expect(true, machine::kX86, false, kNone)},
      {"empty manifest", PeRecipe().withManifest(""), expect(true, machine::kX86, false, kFaulty)},
      {".NET program", PeRecipe().managed(cor::kIlOnly), expect(true, machine::kX86, false, kNone, cor::kIlOnly)},
      {".NET x64 program", PeRecipe().forMachine(machine::kX64).managed(cor::kIlOnly),
       expect(true, machine::kX64, false, kNone, cor::kIlOnly)},
      // An x86 dependency does not bind the 64-bit process an AnyCPU program may become.
      {"AnyCPU with an x86 dependency", PeRecipe().managed(cor::kIlOnly).withManifest(replaceAllOf(v6, "\"*\"", "\"x86\"")),
       expect(true, machine::kX86, false, kFaulty, cor::kIlOnly)},
      {"x86-only .NET with an x86 dependency",
       PeRecipe().managed(cor::kIlOnly | cor::k32BitRequired).withManifest(replaceAllOf(v6, "\"*\"", "\"x86\"")),
       expect(true, machine::kX86, false, kV6, cor::kIlOnly | cor::k32BitRequired)},
      {"overlay after the image", PeRecipe().withOverlay(std::string(3000, '\x5A')).withManifest(v6),
       expect(true, machine::kX86, false, kV6)},
  };
  for (const Recognised& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFacts got = factsOf(BuildPe(c.recipe).bytes);
    EXPECT_EQ(got.embeddedText, c.expected.embedded == kNone ? "" : c.recipe.manifest.value_or(""));
    got.embeddedText.clear();
    EXPECT_EQ(got, c.expected);
  }
}

using Mutation = std::function<void(BuiltPe&)>;

struct Malformed {
  const char* name;
  Mutation mutate;
};

TEST(ProgramFactsTest, MalformedHeadersAreNotAWindowsProgram) {
  const Malformed cases[] = {
      {"empty file", [](BuiltPe& pe) { pe.bytes.clear(); }},
      {"no MZ", [](BuiltPe& pe) { pe.bytes[0] = '\x7F'; }},
      {"ELF file", [](BuiltPe& pe) { pe.bytes.replace(0, 4, "\x7F" "ELF"); }},
      {"header offset past the end", [](BuiltPe& pe) { put32(pe.bytes, 0x3C, 0x7FFFFFF0); }},
      {"header offset at the top of 32 bits", [](BuiltPe& pe) { put32(pe.bytes, 0x3C, 0xFFFFFFFF); }},
      {"header offset into the last bytes", [](BuiltPe& pe) {
         put32(pe.bytes, 0x3C, static_cast<std::uint32_t>(pe.bytes.size() - 3));
       }},
      {"no PE signature", [](BuiltPe& pe) { pe.bytes[pe.ntOffset + 2] = 'X'; }},
      {"object file, not an image", [](BuiltPe& pe) { put16(pe.bytes, pe.ntOffset + 22, 0x0100); }},
      {"optional header missing", [](BuiltPe& pe) { put16(pe.bytes, pe.ntOffset + 20, 0); }},
      {"optional header too short", [](BuiltPe& pe) { put16(pe.bytes, pe.ntOffset + 20, 90); }},
      {"optional header larger than the file", [](BuiltPe& pe) { put16(pe.bytes, pe.ntOffset + 20, 0xFFFF); }},
      {"ROM image magic", [](BuiltPe& pe) { put16(pe.bytes, pe.optionalOffset, 0x0107); }},
      {"x86 with the 64-bit header", [](BuiltPe& pe) { put16(pe.bytes, pe.optionalOffset, 0x020B); }},
      {"x64 with the 32-bit header", [](BuiltPe& pe) {
         put16(pe.bytes, pe.ntOffset + 4, 0x8664);
       }},
      {"more sections than the loader takes", [](BuiltPe& pe) { put16(pe.bytes, pe.ntOffset + 6, 97); }},
      {"section table past the end", [](BuiltPe& pe) { put16(pe.bytes, pe.ntOffset + 6, 96); }},
      {"section bytes past the end", [](BuiltPe& pe) { put32(pe.bytes, pe.sectionTableOffset + 16, 0x10000); }},
      {"section offset near 4 GiB", [](BuiltPe& pe) { put32(pe.bytes, pe.sectionTableOffset + 20, 0xFFFFFF00); }},
  };
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.name);
    BuiltPe pe = BuildPe(PeRecipe().withManifest(EmbeddedManifestText(true)));
    c.mutate(pe);
    EXPECT_FALSE(factsOf(pe.bytes).windowsProgram);
  }
}

TEST(ProgramFactsTest, TruncatedAnywhereIsNotAWindowsProgram) {
  const PeRecipe recipes[] = {{}, PeRecipe().forMachine(machine::kX64), PeRecipe().withManifest(EmbeddedManifestText(true))};
  for (const PeRecipe& recipe : recipes) {
    const BuiltPe pe = BuildPe(recipe);
    ASSERT_TRUE(factsOf(pe.bytes).windowsProgram);
    // Every byte is a cut point: inside each header, at its end, and in every section.
    for (std::size_t length = 0; length < pe.bytes.size(); ++length) {
      SCOPED_TRACE(length);
      EXPECT_FALSE(factsOf(pe.bytes.substr(0, length)).windowsProgram);
    }
  }
}

struct HostileResource {
  const char* name;
  Mutation mutate;
  EmbeddedManifest expected;
};

// The headers hold together, so the file is a program; what its resources
// say is read only as far as it lies in the file.
TEST(ProgramFactsTest, HostileResourcesNeverReadOutsideTheFile) {
  const auto resource = [](BuiltPe& pe, std::size_t at) -> std::size_t { return pe.resourceOffset + at; };
  const HostileResource cases[] = {
      {"resource directory outside every section",
       [](BuiltPe& pe) { put32(pe.bytes, pe.optionalOffset + 96 + 16, 0x00900000); }, kNone},
      {"resource directory in the zero-filled tail", [](BuiltPe& pe) {
         put32(pe.bytes, pe.sectionTableOffset + 40 + 8, 0x3000);
         put32(pe.bytes, pe.optionalOffset + 96 + 16, pe.resourceRva + 0x2000);
       }, kNone},
      {"resource directory count in the data directories cut to two",
       [](BuiltPe& pe) { put32(pe.bytes, pe.optionalOffset + 92, 2); }, kNone},
      {"type directory claiming 131070 entries",
       [&](BuiltPe& pe) {
         put16(pe.bytes, resource(pe, 12), 0xFFFF);
         put16(pe.bytes, resource(pe, 14), 0xFFFF);
       },
       kNone},
      {"manifest type as a data entry",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 20), 72); }, kNone},
      {"name directory outside the section",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 20), 0x80000000u | 0x7FFFFF00u); },
       EmbeddedManifest::Unreadable},
      {"name directory pointing back at the type directory",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 20), 0x80000000u); }, kNone},
      {"language directory pointing back at the type directory",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 24 + 20), 0x80000000u); },
       EmbeddedManifest::Unreadable},
      {"no language",
       [&](BuiltPe& pe) { put16(pe.bytes, resource(pe, 48 + 14), 0); }, EmbeddedManifest::Unreadable},
      {"data entry outside the section",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 48 + 20), 0x7FFFFFF0u); }, EmbeddedManifest::Unreadable},
      {"manifest of 2 GiB",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 76), 0x7FFFFFFFu); }, EmbeddedManifest::Unreadable},
      {"manifest running past the section",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 76), 0x1000); }, EmbeddedManifest::Unreadable},
      {"manifest address wrapping round",
       [&](BuiltPe& pe) { put32(pe.bytes, resource(pe, 72), 0xFFFFFFF0u); }, EmbeddedManifest::Unreadable},
      {"manifest in the headers", [&](BuiltPe& pe) {
         put32(pe.bytes, resource(pe, 72), 0);
         put32(pe.bytes, resource(pe, 76), 0x40);
       }, kFaulty},
  };
  for (const HostileResource& c : cases) {
    SCOPED_TRACE(c.name);
    BuiltPe pe = BuildPe(PeRecipe().withManifest(EmbeddedManifestText(true)));
    c.mutate(pe);
    const ProgramFacts facts = factsOf(pe.bytes);
    EXPECT_TRUE(facts.windowsProgram);
    EXPECT_EQ(facts.embedded, c.expected);
  }
}

// A source that stops answering after some reads, as a disk can.
class FailingSource final : public ByteSource {
 public:
  FailingSource(std::string bytes, int goodReads) : bytes_(std::move(bytes)), goodReads_(goodReads) {}
  std::uint64_t size() const override { return bytes_.size(); }
  Status read(std::uint64_t offset, std::span<std::uint8_t> out) override {
    if (goodReads_-- <= 0) return Error{5, "Access is denied."};
    return MemorySource(bytes_).read(offset, out);
  }

 private:
  std::string bytes_;
  int goodReads_;
};

TEST(ProgramFactsTest, AFailingReadIsAFailureNotAVerdict) {
  const std::string bytes = BuildPe(PeRecipe().withManifest(EmbeddedManifestText(true))).bytes;
  for (int goodReads = 0; goodReads < 12; ++goodReads) {
    SCOPED_TRACE(goodReads);
    FailingSource source(bytes, goodReads);
    const Result<ProgramFacts> facts = ReadProgramFacts(source);
    ASSERT_FALSE(facts.ok());
    EXPECT_EQ(facts.error(), (Error{5, "Access is denied."}));
  }
  FailingSource enough(bytes, 100);
  EXPECT_TRUE(ReadProgramFacts(enough).ok());
}

}  // namespace
}  // namespace kovrena::program
