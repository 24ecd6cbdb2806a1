#pragma once
// The three commands for one program. Nothing but the manifest path beside
// the program is ever written or deleted, and only through the engine's
// file operations.
#include <string>

#include "platform/disk.h"
#include "cli/program_report.h"
#include "platform/file_system.h"
#include "platform/registry.h"

namespace kovrena::cli {

// What the tool knows of the system it runs on.
struct Host {
  bool wine = true;                // Linux runs Windows programs under Wine only
  Registry* registry = nullptr;    // Windows: where PreferExternalManifest is read
};

struct Services {
  Disk& disk;
  FileSystem& files;
  const Host& host;
};

ProgramReport StatusOf(const std::string& path, Services services);
// The status, and both manifests judged for each system.
ProgramReport CheckOf(const std::string& path, Services services);
// Writes the manifest that suits the program's processor beside it. An
// existing manifest stays unless force; the tool's own one counts as
// already applied, and one it wrote for another processor is replaced. A
// program whose own manifest needs other assemblies is left alone unless
// force: on XP the external file would hide them.
ProgramReport ApplyTo(const std::string& path, bool force, Services services);
// Deletes the manifest beside the program when it is the engine's own one,
// or any manifest when force.
ProgramReport UndoFor(const std::string& path, bool force, Services services);

}  // namespace kovrena::cli
