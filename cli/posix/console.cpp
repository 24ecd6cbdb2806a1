#include "cli/posix/console.h"

#include <unistd.h>

#include <cerrno>

namespace kovrena::cli::posix {

namespace {

// A closed or full stream loses the words; the exit status still tells.
void writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace

void PosixConsole::out(std::string_view text) { writeAll(STDOUT_FILENO, text); }
void PosixConsole::err(std::string_view text) { writeAll(STDERR_FILENO, text); }

}  // namespace kovrena::cli::posix
