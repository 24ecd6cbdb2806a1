// PosixFileSystem's reading: what sits at a path, folders' entries and
// files' bytes.
#include "platform/posix/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/posix/errno_error.h"
#include "platform/posix/folder_reading.h"

namespace kovrena::posix {

namespace {

EntryKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Folder;
  if (S_ISLNK(mode)) return EntryKind::Link;
  return EntryKind::Other;
}

EntryKind kindOfType(unsigned char type) {
  switch (type) {
    case DT_REG: return EntryKind::File;
    case DT_DIR: return EntryKind::Folder;
    case DT_LNK: return EntryKind::Link;
    default: return EntryKind::Other;
  }
}

class FileSource final : public ByteSource {
 public:
  FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  ~FileSource() override { ::close(fd_); }

  std::uint64_t size() const override { return size_; }

  // The headers a program is known by lie in its first pages, read in
  // many small pieces: those come from one read of them.
  Status read(std::uint64_t offset, std::span<std::uint8_t> out) override {
    if (offset + out.size() <= kHead) {
      if (!headRead_) {
        if (Status failed = readHead()) return failed;
      }
      // The file shrank since it was opened.
      if (offset + out.size() > head_.size()) return errorFromErrno(EIO);
      std::memcpy(out.data(), head_.data() + offset, out.size());
      return std::nullopt;
    }
    return readFromDisk(offset, out);
  }

 private:
  static constexpr std::uint64_t kHead = 4096;

  Status readHead() {
    head_.resize(static_cast<std::size_t>(std::min(size_, kHead)));
    for (std::size_t got = 0; got < head_.size();) {
      const ssize_t now = ::pread(fd_, head_.data() + got, head_.size() - got, static_cast<off_t>(got));
      if (now < 0 && errno == EINTR) continue;
      if (now < 0) return lastErrno();
      if (now == 0) {
        head_.resize(got);
        break;
      }
      got += static_cast<std::size_t>(now);
    }
    headRead_ = true;
    return std::nullopt;
  }

  Status readFromDisk(std::uint64_t offset, std::span<std::uint8_t> out) {
    while (!out.empty()) {
      const ssize_t got = ::pread(fd_, out.data(), out.size(), static_cast<off_t>(offset));
      if (got < 0) {
        if (errno == EINTR) continue;
        return lastErrno();
      }
      // The file shrank since it was opened.
      if (got == 0) return errorFromErrno(EIO);
      out = out.subspan(static_cast<std::size_t>(got));
      offset += static_cast<std::uint64_t>(got);
    }
    return std::nullopt;
  }

  int fd_;
  std::uint64_t size_;
  std::vector<std::uint8_t> head_;
  bool headRead_ = false;
};

// Closes a directory stream at scope end.

}  // namespace

Result<EntryKind> PosixFileSystem::kindOf(const std::string& path, bool followLinks) {
  struct stat info {};
  const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
  if (result != 0) {
    // Nothing there, or a folder on the way is missing or is a file, or a
    // name longer than any the file system can hold.
    if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG) return EntryKind::Missing;
    return lastErrno();
  }
  return kindOfMode(info.st_mode);
}

Result<std::vector<FolderEntry>> PosixFileSystem::list(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return lastErrno();
  Result<UniqueDir> dir = OpenDir(fd);
  if (!dir) return dir.error();
  // The folder's state before it is read: a change during the listing
  // makes the index read it again.
  struct stat folderState {};
  if (::fstat(fd, &folderState) != 0) return lastErrno();
  std::vector<FolderEntry> entries;
  std::vector<std::string> names;
  const Status failure = ReadEntries(dir.value().get(), [&](const char* name, unsigned char type) -> Status {
    // d_type is a hint some file systems leave unknown; the entry itself
    // is asked then, without following a link. A tree of thousands of
    // programs is otherwise asked twice for each of them.
    EntryKind kind = kindOfType(type);
    if (type == DT_UNKNOWN) {
      struct stat info {};
      if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return std::nullopt;  // gone meanwhile
        return lastErrno();
      }
      kind = kindOfMode(info.st_mode);
    }
    names.emplace_back(name);
    entries.push_back(FolderEntry{name, kind});
    return std::nullopt;
  });
  if (failure) return *failure;
  index_.remember(folder, folderState, names);
  return entries;
}

Result<std::unique_ptr<ByteSource>> PosixFileSystem::openForReading(const std::string& path) {
  // O_NONBLOCK: a pipe put where a program was expected fails at once
  // rather than waiting for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return lastErrno();
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const Error error = lastErrno();
    ::close(fd);
    return error;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return errorFromErrno(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
  }
  return std::unique_ptr<ByteSource>(std::make_unique<FileSource>(fd, static_cast<std::uint64_t>(info.st_size)));
}

}  // namespace kovrena::posix
