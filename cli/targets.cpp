#include "cli/targets.h"

#include <algorithm>

#include "platform/path_text.h"

namespace kovrena::cli {

namespace {

WorkItem settled(const std::string& path, Outcome outcome, std::optional<Error> error = std::nullopt) {
  ProgramReport report;
  report.path = path;
  report.outcome = outcome;
  report.error = std::move(error);
  return WorkItem{path, std::move(report)};
}

// A folder being walked: its entries in name order, and the next one to take.
struct Level {
  std::string folder;
  std::vector<FolderEntry> entries;
  std::size_t next = 0;
};

// Depth first, in name order, with the folders on the way kept on the heap:
// no depth of nesting runs the program out of stack.
void walk(const std::string& top, Disk& disk, std::vector<WorkItem>& items) {
  std::vector<Level> stack;
  const auto enter = [&](const std::string& folder) {
    Result<std::vector<FolderEntry>> listed = disk.list(folder);
    if (!listed) {
      items.push_back(settled(folder, Outcome::Failed, listed.error()));
      return;
    }
    std::vector<FolderEntry>& entries = listed.value();
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    stack.push_back(Level{folder, std::move(entries), 0});
  };
  enter(top);
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.next == level.entries.size()) {
      stack.pop_back();
      continue;
    }
    const FolderEntry entry = std::move(level.entries[level.next++]);
    const std::string path = JoinPath(level.folder, entry.name, disk.style());
    if (entry.kind == EntryKind::Folder) {
      enter(path);  // level is not used after this
    } else if (IsExeName(entry.name)) {
      if (entry.kind == EntryKind::File) {
        items.push_back(WorkItem{path, std::nullopt});
      } else if (entry.kind == EntryKind::Link) {
        const Result<EntryKind> target = disk.kindOf(path, true);
        if (target && target.value() == EntryKind::File) items.push_back(WorkItem{path, std::nullopt});
      }
    }
  }
}

}  // namespace

std::vector<WorkItem> CollectPrograms(const std::vector<std::string>& paths, bool recursive, Disk& disk) {
  std::vector<WorkItem> items;
  for (const std::string& path : paths) {
    if (!recursive) {
      items.push_back(WorkItem{path, std::nullopt});
      continue;
    }
    const Result<EntryKind> kind = disk.kindOf(path, true);
    if (!kind) {
      items.push_back(settled(path, Outcome::Failed, kind.error()));
      continue;
    }
    if (kind.value() != EntryKind::Folder) {
      items.push_back(WorkItem{path, std::nullopt});
      continue;
    }
    const std::size_t before = items.size();
    walk(path, disk, items);
    if (items.size() == before) items.push_back(settled(path, Outcome::NoPrograms));
  }
  return items;
}

}  // namespace kovrena::cli
