#include "platform/posix/folder_index.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <memory>

#include "platform/file_system.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/folder_reading.h"
#include "text/letter_case.h"

namespace kovrena::posix {

namespace {

// A temporary file's name is only cut short when the name it was written
// for leaves no room for its ending; shorter ones are whole names.
constexpr std::size_t kShortenedFrom = kLongestName - 32;
// Enough for a program's folder and the few a run goes back to.
constexpr std::size_t kFoldersKept = 8;

const char* folderOf(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

bool sameTime(const struct stat& state, std::int64_t seconds, std::int64_t nanoseconds) {
  return state.st_mtim.tv_sec == seconds && state.st_mtim.tv_nsec == nanoseconds;
}

// How long before its reading a folder must have been left alone for its
// listing to show what is missing: the coarsest clock a file system keeps
// times by (FAT's two seconds), and then some.
constexpr std::int64_t kSettledAfterSeconds = 3;

std::string_view withoutClosingSlash(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return folder;
}

bool settledAt(const struct stat& state) {
  struct timespec now {};
  // The coarse clock, the one file times are taken from, costs no call
  // into the kernel.
  if (::clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0) return false;
  return state.st_mtim.tv_sec + kSettledAfterSeconds < now.tv_sec;
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

void FolderIndex::remember(const std::string& folder, const struct stat& folderState,
                           const std::vector<std::string>& names) {
  Listing listing;
  listing.path = withoutClosingSlash(folder);
  listing.seconds = folderState.st_mtim.tv_sec;
  listing.nanoseconds = folderState.st_mtim.tv_nsec;
  listing.settled = settledAt(folderState);
  for (const std::string& name : names) enter(listing, name);
  keep(Key{folderState.st_dev, folderState.st_ino}, std::move(listing));
}

FolderIndex::Listing& FolderIndex::keep(const Key& key, Listing listing) {
  folders_.erase(key);
  if (folders_.size() >= kFoldersKept) {
    const auto oldest = std::min_element(folders_.begin(), folders_.end(), [](const auto& a, const auto& b) {
      return a.second.used < b.second.used;
    });
    folders_.erase(oldest);
  }
  listing.used = ++uses_;
  return folders_[key] = std::move(listing);
}

FolderIndex::Listing* FolderIndex::known(const std::string& folder) {
  struct stat state {};
  if (::stat(folderOf(folder), &state) != 0) return nullptr;
  const auto found = folders_.find(Key{state.st_dev, state.st_ino});
  if (found == folders_.end()) return nullptr;
  found->second.used = ++uses_;
  return &found->second;
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
    found->second.used = ++uses_;
    return &found->second;
  }
  const int fd = ::open(folderOf(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return static_cast<Listing*>(nullptr);
    return lastErrno();
  }
  Result<UniqueDir> dir = OpenDir(fd);
  if (!dir) return dir.error();
  std::vector<std::string> names;
  const Status failure = ReadEntries(dir.value().get(), [&](const char* name, unsigned char) -> Status {
    names.emplace_back(name);
    return std::nullopt;
  });
  if (failure) return *failure;
  remember(folder, state, names);
  return &folders_.at(key);
}

Result<std::string> FolderIndex::caseVariant(const std::string& folder, std::string_view name) {
  const Result<Listing*> listing = current(folder);
  if (!listing) return listing.error();
  if (listing.value() == nullptr) return std::string();
  const auto found = listing.value()->byName.find(text::UpperCased(name));
  if (found == listing.value()->byName.end() || found->second.empty()) return std::string();
  return found->second.front();
}

bool FolderIndex::surelyMissing(const std::string& folder, std::string_view name) {
  const std::string_view named = withoutClosingSlash(folder);
  const auto listed = std::find_if(folders_.begin(), folders_.end(),
                                   [&](const auto& each) { return each.second.path == named; });
  if (listed == folders_.end() || !listed->second.settled) return false;
  // Still the folder that was listed, as it was then.
  struct stat state {};
  if (::stat(folderOf(folder), &state) != 0) return false;
  if (Key{state.st_dev, state.st_ino} != listed->first) return false;
  if (!sameTime(state, listed->second.seconds, listed->second.nanoseconds)) return false;
  listed->second.used = ++uses_;
  return !listed->second.byName.contains(text::UpperCased(name));
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

// After the run's own change: the listing holds it, and the folder's time
// is the change's, too recent to show what is missing.
void FolderIndex::retime(Listing& listing, const std::string& folder) {
  listing.settled = false;
  struct stat state {};
  if (::stat(folderOf(folder), &state) == 0) {
    listing.seconds = state.st_mtim.tv_sec;
    listing.nanoseconds = state.st_mtim.tv_nsec;
  }
}

void FolderIndex::added(const std::string& folder, std::string_view name) {
  Listing* listing = known(folder);
  if (listing == nullptr) return;
  forget(*listing, name);
  enter(*listing, std::string(name));
  retime(*listing, folder);
}

void FolderIndex::removed(const std::string& folder, std::string_view name) {
  Listing* listing = known(folder);
  if (listing == nullptr) return;
  forget(*listing, name);
  retime(*listing, folder);
}

}  // namespace kovrena::posix
