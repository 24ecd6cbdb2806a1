#pragma once
// The three commands for one program. Nothing but the manifest path beside
// the program is ever written or deleted, and only through the engine's
// file operations.
#include <string>

#include "cli/disk.h"
#include "cli/program_report.h"
#include "platform/file_system.h"

namespace kovrena::cli {

struct Services {
  Disk& disk;
  FileSystem& files;
};

ProgramReport StatusOf(const std::string& path, Services services);
// Writes the manifest beside an x86 program. An existing manifest stays
// unless force; the engine's own one counts as already applied.
ProgramReport ApplyTo(const std::string& path, bool force, Services services);
// Deletes the manifest beside the program when it is the engine's own one,
// or any manifest when force.
ProgramReport UndoFor(const std::string& path, bool force, Services services);

}  // namespace kovrena::cli
