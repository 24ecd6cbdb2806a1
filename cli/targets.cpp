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

}  // namespace

ProgramWalk::ProgramWalk(const std::vector<std::string>& paths, bool recursive, FileSystem& files)
    : paths_(paths), recursive_(recursive), files_(files) {}

// A folder that cannot be listed is an item of its own.
std::optional<WorkItem> ProgramWalk::enter(const std::string& folder) {
  Result<std::vector<FolderEntry>> listed = files_.list(folder);
  if (!listed) return settled(folder, Outcome::Failed, listed.error());
  std::vector<FolderEntry>& entries = listed.value();
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  levels_.push_back(Level{folder, std::move(entries), 0});
  return std::nullopt;
}

std::optional<WorkItem> ProgramWalk::fromTree() {
  while (!levels_.empty()) {
    Level& level = levels_.back();
    if (level.next == level.entries.size()) {
      levels_.pop_back();
      continue;
    }
    const FolderEntry entry = std::move(level.entries[level.next++]);
    const std::string path = JoinPath(level.folder, entry.name, files_.style());
    if (entry.kind == EntryKind::Folder) {
      if (std::optional<WorkItem> failed = enter(path)) return failed;  // level is not used after this
    } else if (IsExeName(entry.name)) {
      if (entry.kind == EntryKind::File) return WorkItem{path, std::nullopt};
      if (entry.kind == EntryKind::Link) {
        const Result<EntryKind> target = files_.kindOf(path, true);
        if (target && target.value() == EntryKind::File) return WorkItem{path, std::nullopt};
      }
    }
  }
  return std::nullopt;
}

std::optional<WorkItem> ProgramWalk::next() {
  for (;;) {
    if (walking_) {
      std::optional<WorkItem> item = fromTree();
      if (item) {
        topHeldAny_ = true;
        if (!item->settled) ++found_;
        return item;
      }
      walking_ = false;
      if (!topHeldAny_) return settled(paths_[nextPath_ - 1], Outcome::NoPrograms);
    }
    if (nextPath_ == paths_.size()) return std::nullopt;
    const std::string& path = paths_[nextPath_++];
    if (!recursive_) {
      ++found_;
      return WorkItem{path, std::nullopt};
    }
    const Result<EntryKind> kind = files_.kindOf(path, true);
    if (!kind) return settled(path, Outcome::Failed, kind.error());
    if (kind.value() != EntryKind::Folder) {
      ++found_;
      return WorkItem{path, std::nullopt};
    }
    if (std::optional<WorkItem> failed = enter(path)) return failed;
    walking_ = true;
    topHeldAny_ = false;
  }
}

}  // namespace kovrena::cli
