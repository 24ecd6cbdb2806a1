#include "cli/posix/console.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/posix/errno_error.h"

namespace kovrena::cli::posix {

namespace {

constexpr std::size_t kGathered = 64 * 1024;

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

class FileSpool final : public Spool {
 public:
  explicit FileSpool(int fd) : fd_(fd) {}
  ~FileSpool() override { ::close(fd_); }
  FileSpool(const FileSpool&) = delete;
  FileSpool& operator=(const FileSpool&) = delete;

  Status write(std::string_view text) override {
    if (const int code = writeAll(fd_, text)) {
      // What went in of it goes again: the spool holds whole pieces only.
      (void)::ftruncate(fd_, size_);
      (void)::lseek(fd_, size_, SEEK_SET);
      return kovrena::posix::errorFromErrno(code);
    }
    size_ += static_cast<off_t>(text.size());
    return std::nullopt;
  }

  Status replay(const std::function<void(std::string_view)>& take) override {
    if (::lseek(fd_, 0, SEEK_SET) != 0) return kovrena::posix::lastErrno();
    std::string piece(1 << 16, '\0');
    for (off_t left = size_; left > 0;) {
      const ssize_t got = ::read(fd_, piece.data(), piece.size());
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return kovrena::posix::lastErrno();
      if (got == 0) return kovrena::posix::errorFromErrno(EIO);
      take(std::string_view(piece.data(), static_cast<std::size_t>(got)));
      left -= got;
    }
    return std::nullopt;
  }

 private:
  int fd_;
  off_t size_ = 0;
};

}  // namespace

std::optional<std::size_t> PosixConsole::errLineWidth() const {
  if (::isatty(STDERR_FILENO) != 1) return std::nullopt;
  struct winsize size {};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return 80;
  return size.ws_col;
}

bool PosixConsole::outIsTerminal() const { return ::isatty(STDOUT_FILENO) == 1; }

std::unique_ptr<Spool> PosixConsole::spool() {
  const char* tmp = std::getenv("TMPDIR");
  const std::string folder = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
  int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0) {
    // A file system without unnamed files: a named one, unlinked at once.
    std::string name = folder + "/kovrena-cli-XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return nullptr;
    ::unlink(name.c_str());
  }
  return std::make_unique<FileSpool>(fd);
}

PosixConsole::PosixConsole() {
  // In order, so that /dev/null opened for one lands on its own number.
  (void)occupyIfClosed(STDIN_FILENO);
  outClosed_ = occupyIfClosed(STDOUT_FILENO);
  (void)occupyIfClosed(STDERR_FILENO);
  // A run over thousands of programs writes a line for each: one write for
  // each would cost as much as looking at the program.
  outGathered_ = !outClosed_ && ::isatty(STDOUT_FILENO) != 1;
  if (outGathered_) waiting_.reserve(kGathered);
}

PosixConsole::~PosixConsole() { flushOut(); }

void PosixConsole::writeOut(std::string_view text) const {
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

void PosixConsole::flushOut() const {
  writeOut(waiting_);
  waiting_.clear();
}

void PosixConsole::out(std::string_view text) {
  if (!outGathered_) return writeOut(text);
  if (waiting_.size() + text.size() > kGathered) flushOut();
  if (text.size() >= kGathered) return writeOut(text);
  waiting_ += text;
}

std::optional<std::string> PosixConsole::outputFailure() const {
  flushOut();
  return outFailure_;
}

// Standard error has no one left to tell when it fails.
void PosixConsole::err(std::string_view text) {
  flushOut();
  (void)writeAll(STDERR_FILENO, text);
}

}  // namespace kovrena::cli::posix
