// kovrena-cli on Linux: the manifest engine for programs that run under Wine,
// which reads Hidden and System from user.DOSATTRIB as the platform writes it.
#include <clocale>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/posix/console.h"
#include "cli/run.h"
#include "platform/posix/file_system.h"
#include "platform/posix/host_system.h"

int main(int argc, char** argv) {
  // A reader that goes away (kovrena-cli status … | head) ends the writing,
  // not the run: every program still gets what was asked.
  std::signal(SIGPIPE, SIG_IGN);
  // The C library's descriptions of system errors in the user's language
  // (glibc carries Turkish ones), in the user's character set. Numbers and
  // the rest stay as C has them.
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_MESSAGES, "");
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  // First: a closed standard stream is taken before any file can get its number.
  kovrena::cli::posix::PosixConsole console;
  kovrena::posix::PosixFileSystem files;
  kovrena::cli::Host host{
      kovrena::posix::HostSystemOfPrefix(kovrena::posix::WinePrefixFromEnvironment()), nullptr};
  // For the tests of the progress line, which cannot wait a second each.
  if (const char* after = std::getenv("KOVRENA_PROGRESS_AFTER_MS")) {
    host.progressAfter = std::chrono::milliseconds(std::strtol(after, nullptr, 10));
  }
  return kovrena::cli::RunCli(arguments, files, console, host);
}
