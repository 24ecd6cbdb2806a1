#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "manifest/examine.h"
#include "manifest/manifest_text.h"
#include "tests/fakes/memory_file_system.h"
#include "tests/fakes/pe_builder.h"

namespace kovrena::manifest {
namespace {

using testing::MemoryFileSystem;

const std::string kProgram = "C:\\Oyunlar\\oyun.exe";
const std::string kManifest = kProgram + ".manifest";

struct Case {
  const char* label;
  std::function<void(MemoryFileSystem&)> arrange;
  ManifestState expected;
};

// Which manifests are the tool's own: its document for any processor, in
// a file of one name; anything else, or its document under other names
// too, belongs to someone else.
TEST(WhatLiesAtTheManifestPath, IsTheToolsOnlyWhenItsDocumentHasThatNameAlone) {
  const std::vector<Case> cases = {
      {"nothing", nullptr, ManifestState::None},
      {"the document for this x86 program", [](auto& f) { f.addFile(kManifest, BuildManifestText("oyun.exe")); },
       ManifestState::Ours},
      {"the document for an x64 build of it",
       [](auto& f) { f.addFile(kManifest, BuildManifestText("oyun.exe", "amd64")); },
       ManifestState::OursOtherArchitecture},
      {"the document for a .NET AnyCPU build of it",
       [](auto& f) { f.addFile(kManifest, BuildManifestText("oyun.exe", "*")); },
       ManifestState::OursOtherArchitecture},
      {"the document for another program name",
       [](auto& f) { f.addFile(kManifest, BuildManifestText("başka.exe")); }, ManifestState::Foreign},
      {"the document, with a second name elsewhere",
       [](auto& f) {
         f.addFile(kManifest, BuildManifestText("oyun.exe"));
         f.entries[kManifest].links = 2;
       },
       ManifestState::Foreign},
      {"a folder", [](auto& f) { f.addDirectory(kManifest); }, ManifestState::NotAFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    MemoryFileSystem files;
    files.addFile(kProgram, testing::BuildPe({}).bytes);
    if (c.arrange) c.arrange(files);
    const Examined program = Examine(kProgram, Services{files});
    ASSERT_TRUE(program.manifest.has_value());
    EXPECT_EQ(program.manifest->state, c.expected);
  }
}

}  // namespace
}  // namespace kovrena::manifest
