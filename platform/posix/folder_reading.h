#pragma once
// Reading a folder's entries, for the listing and for the index the lookups
// share.
#include <dirent.h>

#include <functional>
#include <memory>

#include "platform/error.h"

namespace kovrena::posix {

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};
using UniqueDir = std::unique_ptr<DIR, DirCloser>;

// The folder open at fd, to be read; fd is given over whatever happens.
Result<UniqueDir> OpenDir(int fd);

// Reads the folder to its end, calling each with every name but "." and
// "..", and the entry's d_type (DT_UNKNOWN where the file system does not
// say). A listing cut off by an error is that error, never a shorter
// listing, which would be taken for a folder without the file. each may end
// the reading with a failure of its own.
Status ReadEntries(DIR* dir, const std::function<Status(const char* name, unsigned char type)>& each);

}  // namespace kovrena::posix
