#include "platform/posix/folder_index.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "platform/file_system.h"
#include "platform/posix/errno_error.h"
#include "text/letter_case.h"

namespace kovrena::posix {

namespace {

// A temporary file's name is only cut short when the name it was written
// for leaves no room for its ending; shorter ones are whole names.
constexpr std::size_t kShortenedFrom = kLongestName - 32;

const char* folderOf(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool sameTime(const struct stat& state, std::int64_t seconds, std::int64_t nanoseconds) {
  return state.st_mtim.tv_sec == seconds && state.st_mtim.tv_nsec == nanoseconds;
}

}  // namespace

void FolderIndex::enter(Listing& listing, const std::string& name) {
  std::string upper = text::UpperCased(name);
  if (const std::optional<TemporaryName> temporary = TemporaryNameOf(name)) {
    if (temporary->name.size() >= kShortenedFrom) listing.shortenedTemporaries.push_back(name);
    listing.temporaries[text::UpperCased(temporary->name)].push_back(name);
  }
  listing.byName[std::move(upper)].push_back(name);
}

void FolderIndex::forget(Listing& listing, std::string_view name) {
  const auto drop = [&](std::unordered_map<std::string, std::vector<std::string>>& map, const std::string& key) {
    const auto found = map.find(key);
    if (found == map.end()) return;
    std::erase(found->second, name);
    if (found->second.empty()) map.erase(found);
  };
  drop(listing.byName, text::UpperCased(name));
  if (const std::optional<TemporaryName> temporary = TemporaryNameOf(name)) {
    drop(listing.temporaries, text::UpperCased(temporary->name));
    std::erase(listing.shortenedTemporaries, name);
  }
}

void FolderIndex::remember(const struct stat& folderState, const std::vector<std::string>& names) {
  Listing listing;
  listing.seconds = folderState.st_mtim.tv_sec;
  listing.nanoseconds = folderState.st_mtim.tv_nsec;
  for (const std::string& name : names) enter(listing, name);
  folders_[Key{folderState.st_dev, folderState.st_ino}] = std::move(listing);
}

FolderIndex::Listing* FolderIndex::known(const std::string& folder) {
  struct stat state {};
  if (::stat(folderOf(folder), &state) != 0) return nullptr;
  const auto found = folders_.find(Key{state.st_dev, state.st_ino});
  return found == folders_.end() ? nullptr : &found->second;
}

Result<FolderIndex::Listing*> FolderIndex::current(const std::string& folder) {
  struct stat state {};
  if (::stat(folderOf(folder), &state) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return static_cast<Listing*>(nullptr);
    return lastErrno();
  }
  const Key key{state.st_dev, state.st_ino};
  const auto found = folders_.find(key);
  if (found != folders_.end() && sameTime(state, found->second.seconds, found->second.nanoseconds)) {
    return &found->second;
  }
  const int fd = ::open(folderOf(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return static_cast<Listing*>(nullptr);
    return lastErrno();
  }
  std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd));
  if (!dir) {
    const Error error = lastErrno();
    ::close(fd);
    return error;
  }
  std::vector<std::string> names;
  while (true) {
    errno = 0;
    const dirent* entry = ::readdir(dir.get());
    if (entry == nullptr) {
      // A listing cut off by an error would be taken for a folder without
      // the file.
      if (errno != 0) return lastErrno();
      break;
    }
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  remember(state, names);
  return &folders_[key];
}

Result<std::string> FolderIndex::caseVariant(const std::string& folder, std::string_view name) {
  const Result<Listing*> listing = current(folder);
  if (!listing) return listing.error();
  if (listing.value() == nullptr) return std::string();
  const auto found = listing.value()->byName.find(text::UpperCased(name));
  if (found == listing.value()->byName.end() || found->second.empty()) return std::string();
  return found->second.front();
}

Result<std::vector<std::string>> FolderIndex::temporariesOf(const std::string& folder, std::string_view name) {
  const Result<Listing*> listing = current(folder);
  if (!listing) return listing.error();
  std::vector<std::string> entries;
  if (listing.value() == nullptr) return entries;
  const auto found = listing.value()->temporaries.find(text::UpperCased(name));
  if (found != listing.value()->temporaries.end()) entries = found->second;
  for (const std::string& entry : listing.value()->shortenedTemporaries) {
    if (TemporaryWriterOf(name, entry) && std::find(entries.begin(), entries.end(), entry) == entries.end()) {
      entries.push_back(entry);
    }
  }
  return entries;
}

void FolderIndex::added(const std::string& folder, std::string_view name) {
  Listing* listing = known(folder);
  if (listing == nullptr) return;
  forget(*listing, name);
  enter(*listing, std::string(name));
  struct stat state {};
  if (::stat(folderOf(folder), &state) == 0) {
    listing->seconds = state.st_mtim.tv_sec;
    listing->nanoseconds = state.st_mtim.tv_nsec;
  }
}

void FolderIndex::removed(const std::string& folder, std::string_view name) {
  Listing* listing = known(folder);
  if (listing == nullptr) return;
  forget(*listing, name);
  struct stat state {};
  if (::stat(folderOf(folder), &state) == 0) {
    listing->seconds = state.st_mtim.tv_sec;
    listing->nanoseconds = state.st_mtim.tv_nsec;
  }
}

}  // namespace kovrena::posix
