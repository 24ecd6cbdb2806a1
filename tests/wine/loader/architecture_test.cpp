// The architecture table against Wine's loader: each kind of program gets
// the manifest the tool picks for it, and that manifest binds it to common
// controls v6; the x86 manifest beside a 64-bit program stops it (or, where
// Wine lacks its 32-bit half, leaves it on the system's controls).
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "program/architecture.h"
#include "platform/byte_source.h"
#include "program/program_facts.h"
#include "manifest/manifest_text.h"
#include "platform/win32/text.h"
#include "tests/wine/loader/probe_run.h"
#include "tests/wine/support/windows_path.h"

namespace kovrena::program {
namespace {

using testing::TempDir;

std::uint32_t le32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}
void put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The 32-bit probe made a .NET AnyCPU program as far as the loader looks:
// a runtime header marked IL only, in the free room behind the section
// table. Its native code still runs (Wine 8 starts it as a 32-bit process).
std::string asAnyCpu(std::string image) {
  const std::size_t nt = le32(image, 0x3C);
  const std::size_t optional = nt + 24;
  const std::size_t sections = static_cast<unsigned char>(image[nt + 6]) | static_cast<unsigned char>(image[nt + 7]) << 8;
  const std::size_t optionalSize = static_cast<unsigned char>(image[nt + 20]) | static_cast<unsigned char>(image[nt + 21]) << 8;
  const std::size_t headerAt = (optional + optionalSize + 40 * sections + 15) / 16 * 16;
  const std::size_t sizeOfHeaders = le32(image, optional + 60);
  if (headerAt + 72 > sizeOfHeaders || image.find_first_not_of('\0', headerAt) < headerAt + 72) return {};
  put32(image, headerAt, 72);
  image[headerAt + 4] = 2;
  image[headerAt + 6] = 5;
  put32(image, headerAt + 16, cor::kIlOnly);
  put32(image, optional + 96 + 8 * 14, static_cast<std::uint32_t>(headerAt));
  put32(image, optional + 96 + 8 * 14 + 4, 72);
  return image;
}

struct Kind {
  const char* name;
  std::string image;
  ManifestArchitecture expected;
};

TEST(ArchitectureOnWine, EachKindOfProgramIsBoundByTheManifestItGets) {
  const char* shipping = std::getenv("KOVRENA_LOADER_PROBE");
  if (shipping != nullptr && *shipping != '\0') GTEST_SKIP() << "run once, with both probes";
  TempDir folder{L"kovrena-mimari"};
  ASSERT_TRUE(folder.ok());
  const std::optional<std::string> probe32 = testing::readBytes(testing::windowsPathTextOf(KOVRENA_PROBE32_PATH));
  const std::optional<std::string> probe64 = testing::readBytes(testing::windowsPathTextOf(KOVRENA_PROBE_PATH));
  ASSERT_TRUE(probe32 && probe64);
  const std::string anyCpu = asAnyCpu(*probe32);
  ASSERT_FALSE(anyCpu.empty()) << "no room for the runtime header";
  const Kind kinds[] = {
      {"x86", *probe32, ManifestArchitecture::X86},
      {"x64", *probe64, ManifestArchitecture::Amd64},
      {".NET AnyCPU", anyCpu, ManifestArchitecture::Any},
  };
  // Wine starts an AnyCPU program as a 32-bit process.
  const bool runs32 = testing::Runs32BitPrograms();
  if (!runs32) std::cout << "this machine runs no 32-bit code: only the x64 kind is started\n";
  int index = 0;
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    if (kind.expected != ManifestArchitecture::Amd64 && !runs32) continue;
    MemorySource source(kind.image);
    const Result<ProgramFacts> facts = ReadProgramFacts(source);
    ASSERT_TRUE(facts.ok());
    const ManifestArchitecture architecture = ArchitectureFor(facts.value());
    EXPECT_EQ(architecture, kind.expected);
    const std::string exe = folder / ("p" + std::to_string(index++) + ".exe");
    ASSERT_TRUE(testing::writeBytes(exe, kind.image));
    ASSERT_TRUE(testing::writeBytes(exe + ".manifest",
                                    manifest::BuildManifestText("p.exe", ProcessorArchitectureOf(architecture))));
    const testing::ProbeRun run = testing::runProbe(exe);
    ASSERT_TRUE(run.started) << run.startError;
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(testing::boundToV6(run)) << run.comctl;
  }
  // What the tool no longer writes: the x86 dependency beside a 64-bit program.
  const std::string exe = folder / "x64-with-x86.exe";
  ASSERT_TRUE(testing::writeBytes(exe, *probe64));
  ASSERT_TRUE(testing::writeBytes(exe + ".manifest", manifest::BuildManifestText("x64-with-x86.exe")));
  const testing::ProbeRun stopped = testing::runProbe(exe);
  if (testing::WineHasX86Assemblies()) {
    EXPECT_TRUE(!stopped.started || stopped.exitCode != 0) << stopped.comctl;
  } else {
    EXPECT_TRUE(stopped.started && stopped.exitCode == 0 && !testing::boundToV6(stopped)) << stopped.comctl;
  }
}

}  // namespace
}  // namespace kovrena::program
