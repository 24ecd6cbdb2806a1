// The built program itself: what main adds to the logic is the exit status,
// the two streams and the version constant.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "resources/version.h"
#include "tests/fakes/pe_builder.h"
#include "tests/native/posix_platform/temp_folder.h"

extern char** environ;

namespace kovrena::cli {
namespace {

using testing::TempFolder;

struct Process {
  int exit = -1;
  std::string out;
  std::string err;
};

// Starts kovrena-cli with these arguments and its streams as actions set
// them; its process, or -1 when it could not be started.
pid_t startCli(const std::vector<std::string>& args, posix_spawn_file_actions_t& actions) {
  std::vector<std::string> all = {KOVRENA_CLI_PATH};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, KOVRENA_CLI_PATH, &actions, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

// Its exit status, or 128 + the signal that ended it; -1 when it never ran.
int waitCli(pid_t pid) {
  if (pid < 0) return -1;
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int spawnCli(const std::vector<std::string>& args, posix_spawn_file_actions_t& actions) {
  return waitCli(startCli(args, actions));
}

// Runs kovrena-cli with these arguments; standard output and standard error
// go to files so that neither pipe can fill up and stall the other.
Process runProgram(const std::vector<std::string>& args, const TempFolder& folder) {
  const std::string outPath = folder / "stdout";
  const std::string errPath = folder / "stderr";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  Process result;
  result.exit = spawnCli(args, actions);
  posix_spawn_file_actions_destroy(&actions);
  result.out = testing::readFile(outPath).value_or("");
  result.err = testing::readFile(errPath).value_or("");
  return result;
}

struct Case {
  std::vector<std::string> args;
  int exit;
  const char* outStarts;
  bool errEmpty;
};

TEST(ProgramTest, ExitStatusAndStreams) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  testing::writeFile(folder / "a.exe", testing::BuildPe({}).bytes);
  const std::string a = folder / "a.exe";
  const std::string checked = a + ":\n";
  const std::string version = std::string("kovrena-cli ") + KOVRENA_VERSION_TEXT + "\n";
  const Case cases[] = {
      {{"--version"}, 0, version.c_str(), true},
      {{"--help"}, 0, version.c_str(), true},
      {{}, 2, "", false},
      {{"apply"}, 2, "", false},
      {{"status", "--force", a}, 2, "", false},
      {{"status", a}, 0, "32 bit x86 programı", true},
      {{"check", a}, 0, checked.c_str(), true},
      {{"apply", a}, 0, a.c_str(), true},
      {{"apply", a}, 3, a.c_str(), true},
      {{"apply", a, folder / "yok.exe"}, 1, a.c_str(), false},
      {{"undo", a}, 0, a.c_str(), true},
      {{"undo", "--json", a, folder / "yok.exe"}, 1, "{\"command\":\"undo\",\"ok\":false", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const Process run = runProgram(c.args, folder);
    EXPECT_EQ(run.exit, c.exit) << run.err;
    EXPECT_EQ(run.out.rfind(c.outStarts, 0), 0u) << run.out;
    EXPECT_EQ(run.err.empty(), c.errEmpty) << run.err;
  }
}

// Results gathered for a file still come before the failure that follows
// them, when both streams go to one file (2>&1).
TEST(ProgramTest, BothStreamsInOneFileKeepTheirOrder) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  testing::writeFile(folder / "a.exe", testing::BuildPe({}).bytes);
  testing::writeFile(folder / "c.exe", testing::BuildPe({}).bytes);
  const std::string both = folder / "both";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, both.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  EXPECT_EQ(spawnCli({"status", folder / "a.exe", folder / "b.exe", folder / "c.exe"}, actions), 1);
  posix_spawn_file_actions_destroy(&actions);
  const std::string shown = testing::readFile(both).value_or("");
  const std::size_t a = shown.find("a.exe"), b = shown.find("b.exe"), c = shown.find("c.exe");
  EXPECT_TRUE(a < b && b < c && c != std::string::npos) << shown;
}

// A reader that goes away early does not stop the work half-way.
TEST(ProgramTest, ClosedOutputDoesNotStopTheRun) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  std::vector<std::string> args = {"apply"};
  for (int i = 0; i < 50; ++i) {
    const std::string path = folder / ("p" + std::to_string(i) + ".exe");
    testing::writeFile(path, testing::BuildPe({}).bytes);
    args.push_back(path);
  }
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  ::close(pipeEnds[0]);  // nobody reads
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  const int exit = spawnCli(args, actions);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[1]);
  EXPECT_EQ(exit, 0);
  for (int i = 0; i < 50; ++i) {
    EXPECT_TRUE(testing::readFile(folder / ("p" + std::to_string(i) + ".exe.manifest")).has_value()) << i;
  }
}

struct OutputCase {
  const char* label;
  std::function<void(posix_spawn_file_actions_t&)> output;
  int exit;
};

// Results that cannot reach standard output make a failed run, said on
// standard error; the work itself is done, and no file the run opens takes
// the place of a closed standard output.
TEST(ProgramTest, OutputThatCannotBeWrittenFailsTheRun) {
  const std::vector<OutputCase> cases = {
      {"full disk", [](auto& a) { posix_spawn_file_actions_addopen(&a, 1, "/dev/full", O_WRONLY, 0); }, 1},
      {"closed", [](auto& a) { posix_spawn_file_actions_addclose(&a, 1); }, 1},
      {"a file", [](auto& a) { posix_spawn_file_actions_addopen(&a, 1, "/dev/null", O_WRONLY, 0); }, 0},
  };
  for (const OutputCase& c : cases) {
    SCOPED_TRACE(c.label);
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string program = folder / "p.exe";
    testing::writeFile(program, testing::BuildPe({}).bytes);
    const std::string errPath = folder / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    c.output(actions);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_EQ(spawnCli({"apply", "--json", program}, actions), c.exit);
    posix_spawn_file_actions_destroy(&actions);
    const std::string err = testing::readFile(errPath).value_or("");
    EXPECT_EQ(err.find("standart çıktıya yazılamadı") != std::string::npos, c.exit != 0) << err;
    const std::optional<std::string> manifest = testing::readFile(program + ".manifest");
    ASSERT_TRUE(manifest.has_value());
    EXPECT_TRUE(manifest->starts_with("<?xml")) << "nothing else written into it";
  }
}

// Two scripts applying to the same program at the same moment: each run
// ends as done or declined, never as failed, and what stays beside the
// program is one whole manifest with no temporary file left over.
TEST(ProgramTest, TwoAppliesAtOnceLeaveOneWholeManifest) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string program = folder / "p.exe";
  testing::writeFile(program, testing::BuildPe({}).bytes);
  const std::string manifest = program + ".manifest";
  ASSERT_EQ(runProgram({"apply", program}, folder).exit, 0);
  const std::optional<std::string> whole = testing::readFile(manifest);
  ASSERT_TRUE(whole.has_value());
  const std::string errA = folder / "err-a", errB = folder / "err-b";
  for (int round = 0; round < 50; ++round) {
    SCOPED_TRACE(round);
    (void)runProgram({"undo", program}, folder);
    ASSERT_FALSE(testing::readFile(manifest).has_value());
    posix_spawn_file_actions_t a, b;
    posix_spawn_file_actions_init(&a);
    posix_spawn_file_actions_init(&b);
    posix_spawn_file_actions_addopen(&a, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&b, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&a, 2, errA.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&b, 2, errB.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const pid_t first = startCli({"apply", program}, a);
    const pid_t second = startCli({"apply", program}, b);
    const int exits[] = {waitCli(first), waitCli(second)};
    posix_spawn_file_actions_destroy(&a);
    posix_spawn_file_actions_destroy(&b);
    for (const int exit : exits) {
      EXPECT_TRUE(exit == 0 || exit == 3) << exit << ": " << testing::readFile(errA).value_or("")
                                          << testing::readFile(errB).value_or("");
    }
    EXPECT_EQ(testing::readFile(manifest), whole);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"err-a", "err-b", "p.exe", "p.exe.manifest", "stderr", "stdout"}));
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace kovrena::cli
