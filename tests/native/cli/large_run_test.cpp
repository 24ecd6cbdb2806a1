// Runs over many programs: memory that does not grow with them, a JSON
// document that never runs ahead of the disk, the progress line on a terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "tests/native/cli/cli_test_support.h"

extern char** environ;

namespace kovrena::cli {
namespace {

using testing::TempFolder;

// count programs in folders of perFolder, all names of one file.
void makeTree(const TempFolder& root, int count, int perFolder) {
  const std::string original = root / "original";
  testing::writeFile(original, testing::BuildPe({}).bytes);
  for (int i = 0; i < count; ++i) {
    const std::string folder = root / ("tree/k" + std::to_string(i / perFolder));
    if (i % perFolder == 0) ::mkdir(folder.c_str(), 0755);
    ASSERT_EQ(::link(original.c_str(), (folder + "/p" + std::to_string(i) + ".exe").c_str()), 0);
  }
}

struct Child {
  int exit = -1;
  long peakKilobytes = 0;
};

// kovrena-cli with standard output to out and standard error to err (or
// the descriptor errFd when it is not negative).
Child runCli(std::vector<std::string> args, const std::string& out, int errFd = -1,
             std::vector<std::string> env = {}) {
  args.insert(args.begin(), KOVRENA_CLI_PATH);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
  std::vector<char*> envp;
  for (std::string& each : env) envp.push_back(each.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (errFd >= 0) posix_spawn_file_actions_adddup2(&actions, errFd, 2);
  else posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  Child child;
  if (posix_spawn(&pid, KOVRENA_CLI_PATH, &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    child.exit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    child.peakKilobytes = usage.ru_maxrss;
  }
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

// What the reports of 5,000 programs more may add at most: before, each kept
// about 3 KB until the end.
constexpr long kGrowthKilobytes = 3 * 1024;

TEST(LargeRun, MemoryDoesNotGrowWithThePrograms) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer keeps freed memory in quarantine";
#endif
  struct Command {
    std::vector<std::string> args;
  };
  const std::vector<Command> commands = {{{"status", "--recursive"}}, {{"check", "--recursive", "--json"}}};
  TempFolder small, large;
  ASSERT_TRUE(small.ok() && large.ok());
  ::mkdir((small / "tree").c_str(), 0755);
  ::mkdir((large / "tree").c_str(), 0755);
  makeTree(small, 1000, 1000);
  makeTree(large, 6000, 1000);
  for (const Command& command : commands) {
    SCOPED_TRACE(command.args[0]);
    std::vector<std::string> smallArgs = command.args, largeArgs = command.args;
    smallArgs.push_back(small / "tree");
    largeArgs.push_back(large / "tree");
    const Child few = runCli(smallArgs, small / "out");
    const Child many = runCli(largeArgs, large / "out");
    EXPECT_EQ(many.exit, few.exit);
    EXPECT_LE(many.peakKilobytes, few.peakKilobytes + kGrowthKilobytes) << few.peakKilobytes;
  }
  // The document that waited in the spool is the one kept in memory.
  kovrena::posix::PosixFileSystem files;
  const testing::CliRun inMemory = testing::RunCliWith({"status", "--recursive", "--json", large / "tree"}, files);
  ASSERT_EQ(runCli({"status", "--recursive", "--json", large / "tree"}, large / "out").exit, kExitDone);
  EXPECT_EQ(testing::readFile(large / "out"), inMemory.out);
}

// A console whose every write is checked against the disk: no program is
// in the document before the change made to it is synced.
class CheckedConsole final : public Console {
 public:
  explicit CheckedConsole(const int& synced, const int& changed) : synced_(synced), changed_(changed) {}
  std::string text;
  int writesBeforeTheEnd = 0;  // made while changes were still to come
  int total = 0;
  void out(std::string_view piece) override {
    text += piece;
    std::size_t applied = 0;
    for (std::size_t at = text.find("\"applied\""); at != std::string::npos; at = text.find("\"applied\"", at + 1)) {
      ++applied;
    }
    EXPECT_LE(applied, static_cast<std::size_t>(synced_)) << text;
    if (changed_ < total) ++writesBeforeTheEnd;
  }
  void err(std::string_view) override {}

 private:
  const int& synced_;
  const int& changed_;
};

TEST(LargeRun, TheJsonDocumentNeverRunsAheadOfTheDisk) {
  TempFolder root;
  ASSERT_TRUE(root.ok());
  ::mkdir((root / "a").c_str(), 0755);
  // Not a program: a failure, so "ok" is known at once and the programs stream.
  testing::writeFile(root / "a/0.exe", "MZ");
  for (const char* folder : {"b", "c", "d"}) {
    ::mkdir((root / folder).c_str(), 0755);
    for (const char* name : {"1.exe", "2.exe"}) {
      testing::writeFile(root / folder + "/" + name, testing::BuildPe({}).bytes);
    }
  }
  testing::FaultyPosix platform;
  int changed = 0, synced = 0, pending = 0;
  platform.files.around = [&](testing::FileOp op, testing::Moment moment) {
    if (moment != testing::Moment::After) return;
    if (op == testing::FileOp::Replace) ++pending, ++changed;
    if (op == testing::FileOp::SyncFolders) synced += std::exchange(pending, 0);
  };
  CheckedConsole console(synced, changed);
  console.total = 6;
  EXPECT_EQ(RunCli({"apply", "--recursive", "--json", root.path()}, platform.disk, console), kExitDeclined);
  EXPECT_EQ(changed, 6);
  EXPECT_GT(console.writesBeforeTheEnd, 0);
  EXPECT_TRUE(console.text.starts_with("{\"command\":\"apply\",\"ok\":false,\"programs\":[{\"path\":"));
  EXPECT_TRUE(console.text.ends_with("]}\n"));
}

// What the terminal showed, standard output going to a file.
std::string onTerminal(const std::vector<std::string>& args, bool outToTerminal, const TempFolder& root) {
  int master = -1, slave = -1;
  struct winsize size {};
  size.ws_col = 40;
  size.ws_row = 10;
  if (::openpty(&master, &slave, nullptr, nullptr, &size) != 0) return "no pseudo-terminal";
  const std::string out = outToTerminal ? std::string(::ttyname(slave)) : root / "out";
  const Child child = runCli(args, out, slave, {"KOVRENA_PROGRESS_AFTER_MS=0"});
  ::close(slave);
  std::string shown;
  char buffer[4096];
  pollfd ready{master, POLLIN, 0};
  while (::poll(&ready, 1, 100) > 0) {
    const ssize_t got = ::read(master, buffer, sizeof buffer);
    if (got <= 0) break;
    shown.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(master);
  EXPECT_NE(child.exit, -1);
  return shown;
}

TEST(LargeRun, ProgressLineOnATerminal) {
  TempFolder root;
  ASSERT_TRUE(root.ok());
  ::mkdir((root / "tree").c_str(), 0755);
  makeTree(root, 3, 3);
  const std::string tree = root / "tree";
  // 40 columns: the line is cut to 39 characters, then blanked out. The
  // walk finds the programs as it goes: one found when the first is done.
  const std::string line = "\r1 / 1 program  " + (tree + "/k0").substr(0, 39 - 16);
  const std::string erased = "\r" + std::string(39, ' ') + "\r";
  struct Case {
    std::vector<std::string> args;
    bool outToTerminal;
    bool shows;
  };
  const std::vector<Case> cases = {
      {{"status", "--recursive", tree}, false, true},
      {{"status", "--recursive", "--quiet", tree}, false, false},
      {{"status", tree + "/k0/p0.exe"}, false, false},
      {{"status", "--recursive", "--json", tree}, false, true},
      {{"status", "--recursive", "--json", tree}, true, false},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.args[1] + (each.outToTerminal ? " to the terminal" : ""));
    const std::string shown = onTerminal(each.args, each.outToTerminal, root);
    EXPECT_EQ(shown.find(line) != std::string::npos, each.shows) << shown;
    if (each.shows) {
      EXPECT_TRUE(shown.ends_with(erased)) << shown;
    }
  }
  // Standard error that is no terminal never gets the line.
  const int err = ::open((root / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  EXPECT_EQ(runCli({"status", "--recursive", tree}, root / "out", err, {"KOVRENA_PROGRESS_AFTER_MS=0"}).exit, kExitDone);
  ::close(err);
  EXPECT_EQ(testing::readFile(root / "err"), "");
}

}  // namespace
}  // namespace kovrena::cli
