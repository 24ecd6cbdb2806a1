#include "platform/posix/folder_reading.h"

#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "platform/posix/errno_error.h"

namespace kovrena::posix {

Result<UniqueDir> OpenDir(int fd) {
  UniqueDir dir(::fdopendir(fd));
  if (!dir) {
    const Error error = lastErrno();
    ::close(fd);
    return error;
  }
  return dir;
}

Status ReadEntries(DIR* dir, const std::function<Status(const char* name, unsigned char type)>& each) {
  while (true) {
    errno = 0;
    const dirent* entry = ::readdir(dir);
    if (entry == nullptr) return errno != 0 ? Status(lastErrno()) : Status();
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (Status failure = each(entry->d_name, entry->d_type)) return failure;
  }
}

}  // namespace kovrena::posix
