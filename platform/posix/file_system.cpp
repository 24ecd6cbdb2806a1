#include "platform/posix/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/dos_attrib.h"
#include "platform/path_text.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/output_file.h"

namespace kovrena::posix {

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
// The bits that the file's mode and type answer for; the stored value never
// overrides them.
constexpr std::uint32_t kFromMode = attr::kReadOnly | attr::kDirectory;

bool noUserXattrs(int code) { return code == ENOTSUP || code == EOPNOTSUPP; }

// The stored DOS bits, 0 when there are none or the file system keeps none.
Result<std::uint32_t> readDosAttrib(const std::string& path) {
  char buffer[256];
  const ssize_t size = ::getxattr(path.c_str(), kDosAttribName, buffer, sizeof buffer);
  if (size >= 0) return parseDosAttrib(std::string_view(buffer, static_cast<std::size_t>(size)));
  if (errno == ENODATA || noUserXattrs(errno)) return std::uint32_t{0};
  if (errno == ERANGE) {
    // Longer than any text we write: Samba's record; its head is enough.
    const ssize_t needed = ::getxattr(path.c_str(), kDosAttribName, nullptr, 0);
    if (needed >= 0) {
      std::string large(static_cast<std::size_t>(needed), '\0');
      const ssize_t again = ::getxattr(path.c_str(), kDosAttribName, large.data(), large.size());
      if (again >= 0) return parseDosAttrib(std::string_view(large.data(), static_cast<std::size_t>(again)));
    }
  }
  return lastErrno();
}

// Replaces the stored bits. Nothing to store removes the value, which Wine
// reads as a normal file; a file system without user xattrs can keep 0 but
// not more, and says so rather than dropping the bits silently.
Status writeDosAttrib(const std::string& path, std::uint32_t bits) {
  if (bits == 0) {
    if (::removexattr(path.c_str(), kDosAttribName) == 0) return std::nullopt;
    if (errno == ENODATA || noUserXattrs(errno)) return std::nullopt;
    return lastErrno();
  }
  const std::string value = formatDosAttrib(bits);
  if (::setxattr(path.c_str(), kDosAttribName, value.data(), value.size(), 0) != 0) return lastErrno();
  return std::nullopt;
}

Status applyReadOnly(const std::string& path, mode_t mode, bool readOnly) {
  // Clearing read-only gives the owner write permission back; group and
  // others keep what they had.
  const mode_t wanted = readOnly ? mode & ~kAnyWrite : ((mode & kAnyWrite) != 0 ? mode : mode | S_IWUSR);
  if ((wanted & 07777) == (mode & 07777)) return std::nullopt;
  if (::chmod(path.c_str(), wanted & 07777) != 0) return lastErrno();
  return std::nullopt;
}

std::string nameOf(const std::string& path) { return std::string(FileNameOf(path, PathStyle::Posix)); }

// The folder part with its slash ("" for a bare name), and the folder to open.
std::string folderPrefixOf(const std::string& path) { return std::string(FolderOf(path, PathStyle::Posix)); }

// Waits until the folder's entries are on the disk. A file system that
// keeps no separate state for folders says so with EINVAL: nothing to wait for.
Status syncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return lastErrno();
  Status failure;
  while (::fsync(fd) != 0) {
    if (errno == EINTR) continue;
    if (errno != EINVAL) failure = lastErrno();
    break;
  }
  ::close(fd);
  return failure;
}

constexpr char kWriterPlatform = 'u';

Writer thisProcess() { return Writer{kWriterPlatform, static_cast<std::uint32_t>(::getpid())}; }

// Whether the process that wrote a temporary file has ended. Our own id
// means the same: it belonged to a process that ended before ours began,
// since no run of ours is writing that file now.
bool writerEnded(std::uint32_t process) {
  if (process == static_cast<std::uint32_t>(::getpid())) return true;
  // 0 and what does not fit pid_t would name process groups to kill().
  if (process == 0 || process > 0x7FFFFFFFu) return false;
  return ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

// A name longer than the file system allows names nothing; a new file of
// that name is refused with a reason the user can act on.
Error nameTooLong(const std::string& name) {
  return Error{ENAMETOOLONG, "\"" + name + "\" adı " + std::to_string(name.size()) +
                                 " bayt; bu dosya sisteminde bir dosya adı en çok " + std::to_string(kLongestName) +
                                 " bayt olabilir",
               ErrorSource::Errno};
}

}  // namespace

Result<PathEntry> PosixFileSystem::entryAt(const std::string& path) {
  // A run over thousands of programs without manifests asks for each one's:
  // the listing its walk read answers, where it can.
  if (index_.surelyMissing(folderPrefixOf(path), nameOf(path))) return PathEntry{path, EntryKind::Missing};
  return EntryByLookups(*this, path);
}

Result<std::string> PosixFileSystem::findFile(const std::string& path, std::uint32_t mask) {
  std::string found = path;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    // A listing that finds nothing is an answer, not a failure.
    if (errno == ENOTDIR || errno == ENAMETOOLONG) return std::string();
    if (errno != ENOENT) return lastErrno();
    // Wine loads a manifest of that name in any letter case; so does the lookup.
    const std::string prefix = folderPrefixOf(path);
    const Result<std::string> variant = index_.caseVariant(prefix, nameOf(path));
    if (!variant) return variant.error();
    if (variant.value().empty()) return std::string();
    found = prefix + variant.value();
    if (::stat(found.c_str(), &info) != 0) {
      if (errno == ENOENT) return std::string();  // gone meanwhile
      return lastErrno();
    }
  }
  if (S_ISDIR(info.st_mode)) return std::string();
  const Result<std::uint32_t> stored = readDosAttrib(found);
  if (!stored) return stored.error();
  if (!LookupAdmits(stored.value(), mask)) return std::string();
  return nameOf(found);
}

Result<NewFile> PosixFileSystem::createTemporaryFile(const std::string& path) {
  if (nameOf(path).size() > kLongestName) return nameTooLong(nameOf(path));
  const Writer writer = thisProcess();
  // A name taken already (a run killed before it could tidy up, say) is
  // passed over, never opened.
  for (std::uint32_t attempt = 0;; ++attempt) {
    std::string temporary = TemporaryPathFor(path, writer, attempt);
    Result<std::unique_ptr<OutputFile>> created = createHiddenFile(temporary);
    if (created) {
      index_.added(folderPrefixOf(temporary), nameOf(temporary));
      return NewFile{std::move(temporary), std::move(created).value()};
    }
    if (created.error().number != EEXIST || attempt == 99) return created.error();
  }
}

void PosixFileSystem::removeLeftovers(const std::string& path) {
  const std::string prefix = folderPrefixOf(path);
  const Result<std::vector<std::string>> entries = index_.temporariesOf(prefix, nameOf(path));
  if (!entries) return;
  for (const std::string& entry : entries.value()) {
    const std::optional<Writer> writer = TemporaryWriterOf(nameOf(path), entry);
    if (!writer || writer->platform != kWriterPlatform || !writerEnded(writer->process)) continue;
    if (::unlink((prefix + entry).c_str()) == 0) index_.removed(prefix, entry);
  }
}
Status PosixFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return lastErrno();
  // chmod and setxattr would change what a link leads to.
  if (S_ISLNK(info.st_mode)) return errorFromErrno(ELOOP);
  const bool readOnly = (attributes & attr::kReadOnly) != 0;
  // Without write permission the owner may not change user xattrs either:
  // make the file writable before, or read-only after, storing the bits.
  if (!readOnly) {
    if (Status failure = applyReadOnly(path, info.st_mode, false)) return failure;
  }
  if (Status failure = writeDosAttrib(path, attributes & ~kFromMode)) return failure;
  if (readOnly) return applyReadOnly(path, info.st_mode, true);
  return std::nullopt;
}

Result<std::uint32_t> PosixFileSystem::getAttributes(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return lastErrno();
  const Result<std::uint32_t> stored = readDosAttrib(path);
  if (!stored) return stored.error();
  std::uint32_t attributes = stored.value() & ~kFromMode;
  if (S_ISDIR(info.st_mode)) attributes |= attr::kDirectory;
  if ((info.st_mode & kAnyWrite) == 0) attributes |= attr::kReadOnly;
  return attributes;
}

Status PosixFileSystem::deleteFile(const std::string& path) {
  // unlink and rename act on a link itself, never on what it leads to.
  if (::unlink(path.c_str()) != 0) return lastErrno();
  index_.removed(folderPrefixOf(path), nameOf(path));
  // Until the folder is on the disk, a power cut may bring the file back.
  return folderChanged(folderPrefixOf(path));
}

Status PosixFileSystem::replaceFile(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return lastErrno();
  index_.removed(folderPrefixOf(from), nameOf(from));
  index_.added(folderPrefixOf(to), nameOf(to));
  // The rename reaches the disk with the folder; until then a power cut
  // may undo it, so a failure to wait for it is a failure of the change.
  return folderChanged(folderPrefixOf(to));
}

Result<std::uint32_t> PosixFileSystem::linkCount(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return lastErrno();
  // As setAttributes: what a link leads to is not asked about through it.
  if (S_ISLNK(info.st_mode)) return errorFromErrno(ELOOP);
  return static_cast<std::uint32_t>(info.st_nlink);
}

namespace {
// 1601-01-01 to 1970-01-01, in seconds: where Windows starts counting.
constexpr std::uint64_t kSecondsBefore1970 = 11644473600;
}  // namespace

Result<std::uint64_t> PosixFileSystem::lastWriteTime(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return lastErrno();
  return (static_cast<std::uint64_t>(info.st_mtim.tv_sec) + kSecondsBefore1970) * 10000000u +
         static_cast<std::uint64_t>(info.st_mtim.tv_nsec) / 100u;
}

Status PosixFileSystem::setLastWriteTimeToNow(const std::string& path) {
  // The access time is left as it is; the change time moves, as it does
  // with any change the system records, and Windows has none.
  const struct timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) return lastErrno();
  return std::nullopt;
}

Status PosixFileSystem::folderChanged(const std::string& folder) {
  if (deferSyncs_) {
    unsynced_.insert(folder);
    return std::nullopt;
  }
  return syncFolder(folder);
}

Status PosixFileSystem::syncFolders() {
  Status first;
  for (const std::string& folder : unsynced_) {
    Status failure = syncFolder(folder);
    if (failure && !first) first = std::move(failure);
  }
  unsynced_.clear();
  return first;
}

}  // namespace kovrena::posix
