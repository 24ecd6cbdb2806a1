#include "platform/posix/output_file.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/posix/dos_attrib.h"
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

  Status flush() override {
    if (fd_ < 0) return errorFromErrno(EBADF);
    if (::fsync(fd_) != 0) return lastErrno();
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

Result<std::unique_ptr<OutputFile>> createHiddenFile(const std::string& path) {
  // O_EXCL with O_NOFOLLOW: a file, link or anything else already at the
  // path fails the call; nothing of someone else's is opened. O_NONBLOCK
  // changes nothing for the regular file made here.
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0666);
  if (fd < 0) return lastErrno();
  auto file = std::make_unique<PosixOutputFile>(fd);
  const std::string hidden = formatDosAttrib(attr::kHidden);
  if (::fsetxattr(fd, kDosAttribName, hidden.data(), hidden.size(), 0) != 0) {
    const Error error = lastErrno();
    file.reset();
    ::unlink(path.c_str());
    return error;
  }
  return std::unique_ptr<OutputFile>(std::move(file));
}

}  // namespace kovrena::posix
