#pragma once
// Running the command line's logic on real files in a fresh folder, with
// the POSIX platform underneath and failures injected where a test asks.
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/pe/program_facts.h"
#include "platform/posix/disk.h"
#include "cli/run.h"
#include "platform/posix/file_system.h"
#include "tests/native/cli/pe_builder.h"
#include "tests/native/posix_platform/temp_folder.h"

namespace kovrena::testing {

class RecordingConsole final : public cli::Console {
 public:
  std::string outText;
  std::string errText;
  void out(std::string_view text) override { outText += text; }
  void err(std::string_view text) override { errText += text; }
};

// Fails the named operations with the given error; passes the rest on.
class FaultyFiles final : public FileSystem {
 public:
  std::map<std::string, Error> faults;  // "find", "create", "set", "get", "delete", "replace"

  Result<std::string> findFile(const std::string& path, std::uint32_t mask) override {
    if (auto f = fault("find")) return *f;
    return real_.findFile(path, mask);
  }
  Result<NewFile> createTemporaryFile(const std::string& path) override {
    if (auto f = fault("create")) return *f;
    return real_.createTemporaryFile(path);
  }
  void removeLeftovers(const std::string& path) override { real_.removeLeftovers(path); }
  Status setAttributes(const std::string& path, std::uint32_t attributes) override {
    if (auto f = fault("set")) return f;
    return real_.setAttributes(path, attributes);
  }
  Result<std::uint32_t> getAttributes(const std::string& path) override {
    if (auto f = fault("get")) return *f;
    return real_.getAttributes(path);
  }
  Status deleteFile(const std::string& path) override {
    if (auto f = fault("delete")) return f;
    return real_.deleteFile(path);
  }
  Status replaceFile(const std::string& from, const std::string& to) override {
    if (auto f = fault("replace")) return f;
    return real_.replaceFile(from, to);
  }

 private:
  std::optional<Error> fault(const std::string& op) const {
    const auto found = faults.find(op);
    if (found == faults.end()) return std::nullopt;
    return found->second;
  }
  posix::PosixFileSystem real_;
};

class FaultyDisk final : public Disk {
 public:
  std::map<std::string, Error> faults;  // "kind", "list", "open"

  PathStyle style() const override { return PathStyle::Posix; }
  Result<EntryKind> kindOf(const std::string& path, bool followLinks) override {
    if (auto f = fault("kind")) return *f;
    return real_.kindOf(path, followLinks);
  }
  Result<std::vector<FolderEntry>> list(const std::string& folder) override {
    if (auto f = fault("list")) return *f;
    return real_.list(folder);
  }
  Result<std::unique_ptr<ByteSource>> openForReading(const std::string& path) override {
    if (auto f = fault("open")) return *f;
    return real_.openForReading(path);
  }

 private:
  std::optional<Error> fault(const std::string& op) const {
    const auto found = faults.find(op);
    if (found == faults.end()) return std::nullopt;
    return found->second;
  }
  posix::PosixDisk real_;
};

struct CliRun {
  int exit = -1;
  std::string out;
  std::string err;
};

inline CliRun RunCliWith(const std::vector<std::string>& args, Disk& disk, FileSystem& files) {
  RecordingConsole console;
  CliRun run;
  run.exit = cli::RunCli(args, disk, files, console);
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
