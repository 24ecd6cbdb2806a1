#pragma once
// The processor a program file is built for, read as kovrena-cli reads it.
#include <cstdint>
#include <memory>
#include <string>

#include "program/program_facts.h"
#include "platform/win32/file_system.h"

namespace kovrena::testing {

// IMAGE_FILE_MACHINE_* of a program file, 0 when it is not one.
inline std::uint16_t MachineOf(const std::string& path) {
  win32::Win32FileSystem disk;
  Result<std::unique_ptr<ByteSource>> opened = disk.openForReading(path);
  if (!opened) return 0;
  const Result<program::ProgramFacts> facts = program::ReadProgramFacts(*opened.value());
  return facts && facts.value().windowsProgram ? facts.value().machine : 0;
}

}  // namespace kovrena::testing
