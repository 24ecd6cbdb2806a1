#include "cli/posix/console.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/errno_error.h"

namespace kovrena::cli::posix {

namespace {

// Whether the descriptor was closed, after it has been taken by /dev/null.
bool occupyIfClosed(int fd) {
  if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) return false;
  const int null = ::open("/dev/null", O_RDWR);
  if (null >= 0 && null != fd) {
    ::dup2(null, fd);
    ::close(null);
  }
  return true;
}

// The errno that stopped the writing; 0 when all of it was written.
int writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

PosixConsole::PosixConsole() {
  // In order, so that /dev/null opened for one lands on its own number.
  (void)occupyIfClosed(STDIN_FILENO);
  outClosed_ = occupyIfClosed(STDOUT_FILENO);
  (void)occupyIfClosed(STDERR_FILENO);
}

void PosixConsole::out(std::string_view text) {
  if (text.empty() || outFailure_) return;
  if (outClosed_) {
    outFailure_ = kovrena::posix::errorFromErrno(EBADF).description;
    return;
  }
  // A reader that went away (… | head) stopped reading by choice; what it
  // did not want is not a failure of the run.
  const int code = writeAll(STDOUT_FILENO, text);
  if (code != 0 && code != EPIPE) outFailure_ = kovrena::posix::errorFromErrno(code).description;
}

// Standard error has no one left to tell when it fails.
void PosixConsole::err(std::string_view text) { (void)writeAll(STDERR_FILENO, text); }

}  // namespace kovrena::cli::posix
