#include "platform/posix/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/posix/errno_error.h"

namespace kovrena::posix {

namespace {

class PosixOutputFile final : public OutputFile {
 public:
  explicit PosixOutputFile(int fd) : fd_(fd) {}
  PosixOutputFile(const PosixOutputFile&) = delete;
  PosixOutputFile& operator=(const PosixOutputFile&) = delete;
  ~PosixOutputFile() override {
    if (fd_ >= 0) ::close(fd_);
  }

  Status write(std::string_view bytes) override {
    if (fd_ < 0) return errorFromErrno(EBADF);
    // write() may take less than it was given; the rest follows until all
    // is written or the system refuses.
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return lastErrno();
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
  }

  Status close() override {
    if (fd_ < 0) return errorFromErrno(EBADF);
    // On Linux the descriptor is gone even when close() fails (EINTR
    // included), so it is never closed twice.
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) return lastErrno();
    return std::nullopt;
  }

 private:
  int fd_;
};

}  // namespace

Result<std::unique_ptr<OutputFile>> openOutputFile(const std::string& path) {
  // O_NONBLOCK: a FIFO at the path fails at once instead of waiting for a
  // reader; it changes nothing for a regular file. O_NOFOLLOW: a symbolic
  // link put at the manifest path must not redirect the write elsewhere.
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0666);
  if (fd < 0) return lastErrno();
  return std::unique_ptr<OutputFile>(std::make_unique<PosixOutputFile>(fd));
}

}  // namespace kovrena::posix
