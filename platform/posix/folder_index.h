#pragma once
// The names in the folders one run looks into, each folder listed once:
// a run over thousands of programs in one folder would otherwise list it
// again for every program that has no manifest of exactly its name. The
// run's own creations, renames and deletions are entered as they happen; a
// folder that changed otherwise (its modification time moved) is listed
// afresh. Only the folders looked into last are kept: a run over a whole
// disk looks into each folder while it works there, and keeping every
// listing would grow with the disk.
#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/error.h"

namespace kovrena::posix {

class FolderIndex {
 public:
  // The name in folder that equals name letter case aside (the first one
  // listed when there are several, as Wine takes it); "" when there is
  // none or the folder does not exist. A folder that can be entered but
  // not listed is a failure, not an empty folder.
  Result<std::string> caseVariant(const std::string& folder, std::string_view name);
  // Whether a listing read already, and still current, shows that folder
  // holds no entry of this name in any letter case, so that no lookup of
  // the name itself is needed. No folder is listed for it. Only a listing
  // of a folder that had not changed for a while before it was read says
  // so: a change in the same tick of the file system's clock as the one
  // before it leaves the folder's time as it was, and a listing read
  // between the two would miss it for good.
  bool surelyMissing(const std::string& folder, std::string_view name);
  // The entries of folder that are temporary files for name (see
  // TemporaryWriterOf), of any writer.
  Result<std::vector<std::string>> temporariesOf(const std::string& folder, std::string_view name);
  // What the file system's list() just read, taken as the folder's listing; folderState
  // is its state, taken before the listing began.
  void remember(const std::string& folder, const struct stat& folderState, const std::vector<std::string>& names);
  // The run itself made or removed an entry.
  void added(const std::string& folder, std::string_view name);
  void removed(const std::string& folder, std::string_view name);

 private:
  struct Listing {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    bool settled = false;  // the folder's time lay well before the reading
    std::string path;      // the folder as it was named when it was listed, without a closing slash
    // Upper-cased name -> the names, in listing order.
    std::unordered_map<std::string, std::vector<std::string>> byName;
    // Upper-cased name a temporary file was written for -> its entries;
    // those cut short to fit the longest name are kept apart, few as they are.
    std::unordered_map<std::string, std::vector<std::string>> temporaries;
    std::vector<std::string> shortenedTemporaries;
    std::uint64_t used = 0;  // when it was last looked into
  };
  using Key = std::pair<dev_t, ino_t>;

  void enter(Listing& listing, const std::string& name);
  void forget(Listing& listing, std::string_view name);
  // The folder's listing, current; nothing when the folder is missing.
  Result<Listing*> current(const std::string& folder);
  Listing* known(const std::string& folder);
  void retime(Listing& listing, const std::string& folder);

  Listing& keep(const Key& key, Listing listing);

  std::map<Key, Listing> folders_;
  std::uint64_t uses_ = 0;
};

}  // namespace kovrena::posix
