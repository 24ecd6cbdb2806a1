#pragma once
// From the paths given to the programs to work on.
#include <optional>
#include <string>
#include <vector>

#include "platform/disk.h"
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
std::vector<WorkItem> CollectPrograms(const std::vector<std::string>& paths, bool recursive, Disk& disk);

}  // namespace kovrena::cli
