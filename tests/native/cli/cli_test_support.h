#pragma once
// Running the command line's logic on real files in a fresh folder, with
// the POSIX platform underneath and failures injected where a test asks.
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "program/program_facts.h"
#include "cli/run.h"
#include "platform/posix/file_system.h"
#include "tests/fakes/console.h"
#include "tests/fakes/faulty_disk.h"
#include "tests/fakes/faulty_file_system.h"
#include "tests/fakes/pe_builder.h"
#include "tests/native/posix_platform/temp_folder.h"

namespace kovrena::testing {

// The POSIX file system, failing where a test asks: disk is the whole of
// it, its reading faulty over files' faulty changes and lookups.
struct FaultyPosix {
  posix::PosixFileSystem real;
  FaultyFileSystem files{real};
  FaultyDisk disk{files};
};

struct CliRun {
  int exit = -1;
  std::string out;
  std::string err;
};

inline CliRun RunCliWith(const std::vector<std::string>& args, FileSystem& files) {
  RecordingConsole console;
  CliRun run;
  run.exit = cli::RunCli(args, files, console);
  run.out = console.outText;
  run.err = console.errText;
  return run;
}

inline std::string replaceAllOf(std::string text, const std::string& word, const std::string& with) {
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + with.size())) {
    text.replace(at, word.size(), with);
  }
  return text;
}

inline bool exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace kovrena::testing
