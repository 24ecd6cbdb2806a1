#pragma once
// From the paths given to the programs to work on.
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "cli/program_report.h"

namespace kovrena::cli {

struct WorkItem {
  std::string path;
  // Set when the item is already settled: a folder that could not be read
  // or that holds no program.
  std::optional<ProgramReport> settled;
};

// Without recursive every path is an item. With it, a folder stands for
// every .exe below it (any letter case), in name order, folder by folder.
// Links to folders are not followed, so no folder is visited twice and no
// walk leaves the tree it was given; a link to a program is a program.
//
// The items are found as they are asked for: a walk over a whole disk
// holds the listings of the folders on its way down, never the programs
// it found before.
class ProgramWalk {
 public:
  ProgramWalk(const std::vector<std::string>& paths, bool recursive, FileSystem& files);
  // The next item; nothing when every path is done with.
  std::optional<WorkItem> next();
  // Programs handed out so far, and the folder the walk is in ("" outside one).
  std::size_t found() const { return found_; }
  const std::string& folder() const { return levels_.empty() ? noFolder_ : levels_.back().folder; }

 private:
  // A folder being walked: its entries in name order, and the next one to take.
  struct Level {
    std::string folder;
    std::vector<FolderEntry> entries;
    std::size_t next = 0;
  };
  std::optional<WorkItem> enter(const std::string& folder);
  std::optional<WorkItem> fromTree();

  const std::vector<std::string>& paths_;
  bool recursive_;
  FileSystem& files_;
  std::size_t nextPath_ = 0;
  // Depth first, the folders on the way kept on the heap: no depth of
  // nesting runs the program out of stack.
  std::vector<Level> levels_;
  bool walking_ = false;     // below the folder given last
  bool topHeldAny_ = false;  // whether anything below it became an item
  std::size_t found_ = 0;
  std::string noFolder_;
};

}  // namespace kovrena::cli
