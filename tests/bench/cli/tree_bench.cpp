// kovrena-cli on trees of many programs (hard links of a few small ones, in
// folders of 500), each command timed as a ratio to a floor measured in the
// same run: reading the first 4 KiB of every program once, which any tool
// must do to know what a program is. A ratio that stays the same from one
// size to the next is linear work; the peak memory of each run is the
// process's own (ru_maxrss), and does not grow with the programs.
//   bench_cli [COUNT…]   (default 5000 50000; the tree goes to $TMPDIR)
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/fakes/pe_builder.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using kovrena::testing::BuildPe;
using kovrena::testing::EmbeddedManifestText;
using kovrena::testing::PeRecipe;

constexpr int kPerFolder = 500;
// ext4 gives one file at most 65,000 names.
constexpr int kLinksPerOriginal = 60000;
constexpr unsigned kSettleSeconds = 4;

const std::vector<PeRecipe>& kinds() {
  static const std::vector<PeRecipe> recipes = {
      PeRecipe{}, PeRecipe{}.forMachine(0x8664), PeRecipe{}.withManifest(EmbeddedManifestText(false)),
      PeRecipe{}.asDll()};
  return recipes;
}

bool writeFile(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool makeTree(const std::string& root, int count) {
  const std::string originals = root + "/originals";
  const std::string tree = root + "/tree";
  if (::mkdir(originals.c_str(), 0755) != 0 || ::mkdir(tree.c_str(), 0755) != 0) return false;
  const int variants = static_cast<int>(kinds().size());
  for (int i = 0; i < count; ++i) {
    const int variant = i % variants;
    const int group = i / (kLinksPerOriginal * variants);
    const std::string original = originals + "/" + std::to_string(group) + "-" + std::to_string(variant);
    if (i % (kLinksPerOriginal * variants) < variants && !writeFile(original, BuildPe(kinds()[variant]).bytes)) {
      return false;
    }
    const std::string folder = tree + "/k" + std::to_string(i / kPerFolder);
    if (i % kPerFolder == 0 && ::mkdir(folder.c_str(), 0755) != 0) return false;
    if (::link(original.c_str(), (folder + "/p" + std::to_string(i) + ".exe").c_str()) != 0) return false;
  }
  return true;
}

// The floor: every folder listed, every program's first 4 KiB read once.
std::size_t readEveryProgram(const std::string& folder) {
  std::size_t programs = 0;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return 0;
  std::vector<std::string> folders;
  char head[4096];
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "/" + name;
    if (entry->d_type == DT_DIR) {
      folders.push_back(path);
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) {
      const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd >= 0 && ::read(fd, head, sizeof head) > 0) ++programs;
      if (fd >= 0) ::close(fd);
    }
  }
  ::closedir(dir);
  for (const std::string& each : folders) programs += readEveryProgram(each);
  return programs;
}

struct Measured {
  double seconds = 0;
  long peakKilobytes = 0;
  int exit = -1;
};

Measured runCli(const std::vector<std::string>& args) {
  std::vector<std::string> all = {KOVRENA_CLI_PATH};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Measured measured;
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, KOVRENA_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    measured.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    measured.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    measured.peakKilobytes = usage.ru_maxrss;
  }
  posix_spawn_file_actions_destroy(&actions);
  return measured;
}

// The best of three: what the machine's other work adds is not the program's.
double floorSeconds(const std::string& tree, int count) {
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    const Clock::time_point start = Clock::now();
    const std::size_t read = readEveryProgram(tree);
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    if (read != static_cast<std::size_t>(count)) std::fprintf(stderr, "floor read %zu of %d\n", read, count);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {5000, 50000};
  const char* base = std::getenv("TMPDIR");
  std::printf("%9s  %-29s %9s %9s %9s\n", "programs", "run", "seconds", "x floor", "peak MB");
  for (const int count : counts) {
    std::string root = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/kovrena-bench-XXXXXX";
    if (::mkdtemp(root.data()) == nullptr || !makeTree(root, count)) {
      std::fprintf(stderr, "could not make a tree of %d programs in %s\n", count, root.c_str());
      return 1;
    }
    const std::string tree = root + "/tree";
    // A tree met on a disk was not written this instant: the lookups trust
    // a folder's listing only once it has been left alone for a few seconds.
    ::sleep(kSettleSeconds);
    const double floor = floorSeconds(tree, count);
    std::printf("%9d  %-29s %9.3f %9.2f %9s\n", count, "floor: 4 KiB of each", floor, 1.0, "-");
    const std::vector<std::vector<std::string>> runs = {{"status", "--recursive", tree},
                                                        {"check", "--recursive", "--json", tree},
                                                        {"apply", "--recursive", tree},
                                                        {"undo", "--recursive", tree}};
    for (const std::vector<std::string>& args : runs) {
      // status and check are timed at their best of three; apply and undo
      // change the tree, once each.
      const int rounds = args[0] == "status" || args[0] == "check" ? 3 : 1;
      Measured best;
      best.seconds = 1e9;
      for (int round = 0; round < rounds; ++round) {
        const Measured measured = runCli(args);
        if (measured.seconds < best.seconds) best = measured;
      }
      std::string name = args[0];
      for (std::size_t i = 1; i + 1 < args.size(); ++i) name += " " + args[i];
      std::printf("%9d  %-29s %9.3f %9.2f %9.1f%s\n", count, name.c_str(), best.seconds, best.seconds / floor,
                  static_cast<double>(best.peakKilobytes) / 1024.0,
                  best.exit == 0 || best.exit == 3 ? "" : "  (failed)");
      std::fflush(stdout);
    }
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
  return 0;
}
