#include "platform/posix/file_system.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/posix/dos_attrib.h"
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

std::string nameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Result<std::string> PosixFileSystem::findFile(const std::string& path, std::uint32_t mask) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    // A listing that finds nothing is an answer, not a failure.
    if (errno == ENOENT || errno == ENOTDIR) return std::string();
    return lastErrno();
  }
  if (S_ISDIR(info.st_mode)) return std::string();
  const Result<std::uint32_t> stored = readDosAttrib(path);
  if (!stored) return stored.error();
  const std::uint32_t needs = stored.value() & (attr::kHidden | attr::kSystem);
  if ((needs & ~mask) != 0) return std::string();
  return nameOf(path);
}

Result<std::unique_ptr<OutputFile>> PosixFileSystem::createFile(const std::string& path) {
  return openOutputFile(path);
}

Status PosixFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return lastErrno();
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
  if (::unlink(path.c_str()) != 0) return lastErrno();
  return std::nullopt;
}

}  // namespace kovrena::posix
