#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "resources/version.h"

namespace kovrena::cli {
namespace {

using Args = std::vector<std::string>;

Request request(Command command, std::vector<std::string> programs, bool force = false, bool recursive = false,
                bool json = false) {
  return Request{command, force, recursive, json, std::move(programs)};
}

struct Understood {
  Args args;
  Request expected;
};

TEST(CommandLineTest, UnderstoodCommandLines) {
  const Understood cases[] = {
      {{"status", "a.exe"}, request(Command::Status, {"a.exe"})},
      {{"status", "a.exe", "b.exe", "Çizim & Boya.exe"}, request(Command::Status, {"a.exe", "b.exe", "Çizim & Boya.exe"})},
      {{"apply", "a.exe"}, request(Command::Apply, {"a.exe"})},
      {{"apply", "--force", "a.exe"}, request(Command::Apply, {"a.exe"}, true)},
      {{"apply", "a.exe", "--force"}, request(Command::Apply, {"a.exe"}, true)},
      {{"apply", "--recursive", "C:\\Oyunlar"}, request(Command::Apply, {"C:\\Oyunlar"}, false, true)},
      {{"undo", "--force", "--recursive", "d"}, request(Command::Undo, {"d"}, true, true)},
      {{"--json", "status", "a.exe"}, request(Command::Status, {"a.exe"}, false, false, true)},
      {{"status", "a.exe", "--json"}, request(Command::Status, {"a.exe"}, false, false, true)},
      {{"undo", "--json", "a.exe"}, request(Command::Undo, {"a.exe"}, false, false, true)},
      // After "--" everything is a program, however it looks.
      {{"apply", "--", "--force", "-h"}, request(Command::Apply, {"--force", "-h"})},
      {{"--", "status", "x"}, request(Command::Status, {"x"})},
      {{"--", "undo", "--", "-x.exe"}, request(Command::Undo, {"-x.exe"})},
      // A program may be called like a command.
      {{"apply", "status", "undo"}, request(Command::Apply, {"status", "undo"})},
  };
  for (const Understood& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const ParsedCommandLine parsed = ParseCommandLine(c.args);
    ASSERT_TRUE(parsed.request.has_value()) << parsed.err;
    EXPECT_EQ(*parsed.request, c.expected);
    EXPECT_EQ(parsed.out, "");
    EXPECT_EQ(parsed.err, "");
  }
}

struct Refused {
  Args args;
  const char* errorContains;
};

TEST(CommandLineTest, UsageErrorsEndWithStatusTwoOnStandardError) {
  const Refused cases[] = {
      {{}, "bir komut gerekli"},
      {{"--json"}, "bir komut gerekli"},
      {{"status"}, "en az bir PROGRAM gerekli"},
      {{"apply", "--force"}, "en az bir PROGRAM gerekli"},
      {{"status", "--force", "a.exe"}, "tanınmayan bağımsız değişken: --force"},
      {{"apply", "--forse", "a.exe"}, "--forse"},
      {{"remove", "a.exe"}, "bilinmeyen komut: remove"},
      {{"--json", "Apply", "a.exe"}, "bilinmeyen komut: Apply"},
      {{"apply", "-x", "a.exe"}, "tanınmayan bağımsız değişken: -x"},
      {{"--recursive", "apply", "a.exe"}, "--recursive"},
      {{"apply", "--recursive=yes", "d"}, "seçenek değer almaz: --recursive=yes"},
      {{"apply", "--force=false", "a.exe"}, "seçenek değer almaz: --force=false"},
      {{"--json=1", "status", "a.exe"}, "seçenek değer almaz: --json=1"},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const ParsedCommandLine parsed = ParseCommandLine(c.args);
    EXPECT_FALSE(parsed.request.has_value());
    EXPECT_EQ(parsed.exitCode, kExitUsage);
    EXPECT_EQ(parsed.out, "");
    EXPECT_NE(parsed.err.find(c.errorContains), std::string::npos) << parsed.err;
    EXPECT_NE(parsed.err.find("kovrena-cli --help"), std::string::npos) << parsed.err;
  }
}

struct Answered {
  Args args;
  std::string out;
};

TEST(CommandLineTest, HelpAndVersionGoToStandardOutputWithStatusZero) {
  const std::string version = std::string("kovrena-cli ") + KOVRENA_VERSION_TEXT + "\n";
  const Answered cases[] = {
      {{"--version"}, version},
      {{"--help"}, HelpText(std::nullopt)},
      {{"-h"}, HelpText(std::nullopt)},
      {{"apply", "--help"}, HelpText(Command::Apply)},
      {{"undo", "-h"}, HelpText(Command::Undo)},
      {{"status", "a.exe", "--help"}, HelpText(Command::Status)},
  };
  for (const Answered& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const ParsedCommandLine parsed = ParseCommandLine(c.args);
    EXPECT_FALSE(parsed.request.has_value());
    EXPECT_EQ(parsed.exitCode, kExitDone);
    EXPECT_EQ(parsed.out, c.out);
    EXPECT_EQ(parsed.err, "");
  }
}

TEST(CommandLineTest, EachCommandsHelpNamesOnlyItsOwnOptions) {
  EXPECT_EQ(HelpText(Command::Status).find("--force"), std::string::npos);
  for (const Command command : {Command::Apply, Command::Undo}) {
    EXPECT_NE(HelpText(command).find("--force"), std::string::npos);
  }
  const std::string all = HelpText(std::nullopt);
  for (const char* word : {"status", "apply", "undo", "--recursive", "--json", "--version", "Çıkış durumu:"}) {
    EXPECT_NE(all.find(word), std::string::npos) << word;
  }
}

}  // namespace
}  // namespace kovrena::cli
