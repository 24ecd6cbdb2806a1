#include "tests/fakes/memory_file_system.h"

#include <utility>

#include "text/letter_case.h"

namespace kovrena::testing {

Error notFoundError() { return Error{kErrFileNotFound, "Dosya bulunamadı"}; }
Error accessDeniedError() { return Error{5, "Erişim engellendi.", ErrorSource::Win32}; }
Error sharingViolationError() { return Error{32, "Dosya başka bir işlem tarafından kullanılıyor.", ErrorSource::Win32}; }

namespace {

class MemoryOutputFile final : public OutputFile {
 public:
  MemoryOutputFile(MemoryFileSystem& owner, std::string path) : owner_(owner), path_(std::move(path)) {
    ++owner_.entries[path_].openHandles;
  }
  ~MemoryOutputFile() override { release(); }

  Status write(std::string_view bytes) override {
    owner_.log.push_back("write " + path_);
    if (!open_) return Error{6, "Geçersiz tutamaç."};
    if (auto fault = owner_.faultFor(FileOp::Write)) {
      // A failing disk takes part of the data before it gives up.
      owner_.entries[path_].bytes.append(bytes.substr(0, bytes.size() / 2));
      return fault;
    }
    owner_.entries[path_].bytes.append(bytes);
    return std::nullopt;
  }

  Status flush() override {
    owner_.log.push_back("flush " + path_);
    if (!open_) return Error{6, "Geçersiz tutamaç."};
    return owner_.faultFor(FileOp::Flush);
  }

  Status close() override {
    owner_.log.push_back("close " + path_);
    if (!open_) return Error{6, "Geçersiz tutamaç."};
    release();  // a failed close still gives the handle up, as CloseHandle does
    return owner_.faultFor(FileOp::Close);
  }

 private:
  void release() {
    if (!open_) return;
    open_ = false;
    auto entry = owner_.entries.find(path_);
    if (entry != owner_.entries.end()) --entry->second.openHandles;
  }

  MemoryFileSystem& owner_;
  std::string path_;
  bool open_ = true;
};

// A copy of the bytes as they were when opened, as a file read from disk.
class OwnedSource final : public ByteSource {
 public:
  explicit OwnedSource(std::string bytes) : bytes_(std::move(bytes)), source_(bytes_) {}
  std::uint64_t size() const override { return source_.size(); }
  Status read(std::uint64_t offset, std::span<std::uint8_t> out) override { return source_.read(offset, out); }

 private:
  std::string bytes_;
  MemorySource source_;
};

std::string nameOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder part with its separator ("" for a bare name).
std::string folderPrefixOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

void MemoryFileSystem::addFile(const std::string& path, std::string bytes, std::uint32_t attributes) {
  entries[path] = MemoryEntry{std::move(bytes), attributes, false, 0};
}

void MemoryFileSystem::addDirectory(const std::string& path) {
  entries[path] = MemoryEntry{"", attr::kDirectory, true, 0};
}

std::map<std::string, MemoryEntry>::iterator MemoryFileSystem::findAnyCase(const std::string& path) {
  const auto exact = entries.find(path);
  if (exact != entries.end()) return exact;
  const std::string prefix = folderPrefixOf(path);
  const std::string name = nameOf(path);
  for (auto entry = entries.lower_bound(prefix); entry != entries.end() && entry->first.starts_with(prefix); ++entry) {
    const std::string_view rest = std::string_view(entry->first).substr(prefix.size());
    if (rest.find_first_of("\\/") == std::string_view::npos && text::SameIgnoringCase(rest, name)) return entry;
  }
  return entries.end();
}

bool MemoryFileSystem::folderExists(const std::string& prefix) const {
  if (prefix.empty()) return true;
  const auto folder = entries.find(prefix.substr(0, prefix.size() - 1));
  if (folder != entries.end()) return folder->second.directory;
  // A folder nobody added exists when something lies in it.
  const auto inside = entries.lower_bound(prefix);
  return inside != entries.end() && inside->first.starts_with(prefix);
}

std::vector<std::string> MemoryFileSystem::lookups() const {
  std::vector<std::string> paths;
  for (const std::string& entry : log) {
    // "find <path> <mask>"
    if (entry.starts_with("find ")) paths.push_back(entry.substr(5, entry.find_last_of(' ') - 5));
  }
  return paths;
}

Result<std::string> MemoryFileSystem::findFile(const std::string& path, std::uint32_t mask) {
  log.push_back("find " + path + " " + std::to_string(mask));
  if (auto fault = faultFor(FileOp::Find)) return *fault;
  std::string name;
  const auto entry = findAnyCase(path);
  if (entry != entries.end() && LookupAdmits(entry->second.attributes, mask)) name = nameOf(entry->first);
  if (afterFind) afterFind();
  return name;
}

Result<NewFile> MemoryFileSystem::createTemporaryFile(const std::string& path) {
  std::uint32_t attempt = 0;
  while (exists(TemporaryPathFor(path, kWriter, attempt))) ++attempt;
  std::string temporary = TemporaryPathFor(path, kWriter, attempt);
  log.push_back("create " + temporary);
  if (auto fault = faultFor(FileOp::Create)) return *fault;
  if (!folderExists(folderPrefixOf(path))) return notFoundError();
  entries[temporary] = MemoryEntry{"", attr::kHidden, false, 0};
  auto file = std::make_unique<MemoryOutputFile>(*this, temporary);
  return NewFile{std::move(temporary), std::move(file)};
}

Status MemoryFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
  log.push_back("attributes " + path + " " + std::to_string(attributes));
  if (auto fault = faultFor(FileOp::SetAttributes, attributes)) return fault;
  const auto entry = entries.find(path);
  if (entry == entries.end()) return notFoundError();
  const std::uint32_t kept = entry->second.directory ? attr::kDirectory : 0;
  entry->second.attributes = kept | (attributes & ~attr::kDirectory);
  return std::nullopt;
}

Result<std::uint32_t> MemoryFileSystem::getAttributes(const std::string& path) {
  log.push_back("getattributes " + path);
  if (auto fault = faultFor(FileOp::GetAttributes)) return *fault;
  const auto entry = entries.find(path);
  if (entry == entries.end()) return notFoundError();
  const std::uint32_t attributes = entry->second.attributes;
  if (afterCall) afterCall(log.back());
  return attributes;
}

Status MemoryFileSystem::deleteFile(const std::string& path) {
  log.push_back("delete " + path);
  if (auto fault = faultFor(FileOp::Delete)) return fault;
  const auto entry = entries.find(path);
  if (entry == entries.end()) return notFoundError();
  if (entry->second.directory || (entry->second.attributes & attr::kReadOnly) != 0) {
    return accessDeniedError();
  }
  if (entry->second.openHandles != 0) return sharingViolationError();
  entries.erase(entry);
  return std::nullopt;
}

Status MemoryFileSystem::replaceFile(const std::string& from, const std::string& to) {
  log.push_back("replace " + from + " " + to);
  if (auto fault = faultFor(FileOp::Replace)) return fault;
  const auto source = entries.find(from);
  if (source == entries.end()) return notFoundError();
  const auto target = entries.find(to);
  if (target != entries.end()) {
    // Windows replaces neither a folder nor a read-only file, nor one in use.
    if (target->second.directory || (target->second.attributes & attr::kReadOnly) != 0) {
      return accessDeniedError();
    }
    if (target->second.openHandles != 0) return sharingViolationError();
  }
  if (source->second.openHandles != 0) return sharingViolationError();
  MemoryEntry moved = source->second;
  entries.erase(source);
  entries[to] = moved;
  return std::nullopt;
}

Result<std::uint32_t> MemoryFileSystem::linkCount(const std::string& path) {
  log.push_back("links " + path);
  if (auto fault = faultFor(FileOp::LinkCount)) return *fault;
  const auto entry = entries.find(path);
  if (entry == entries.end()) return notFoundError();
  return entry->second.links;
}

Result<std::uint64_t> MemoryFileSystem::lastWriteTime(const std::string& path) {
  log.push_back("written " + path);
  if (auto fault = faultFor(FileOp::GetTime)) return *fault;
  const auto entry = entries.find(path);
  if (entry == entries.end()) return notFoundError();
  return entry->second.written;
}

Status MemoryFileSystem::setLastWriteTimeToNow(const std::string& path) {
  log.push_back("touch " + path);
  if (auto fault = faultFor(FileOp::SetTime)) return *fault;
  const auto entry = entries.find(path);
  if (entry == entries.end()) return notFoundError();
  entry->second.written = ++clock;
  return std::nullopt;
}

Result<EntryKind> MemoryFileSystem::kindOf(const std::string& path, bool) {
  log.push_back("kind " + path);
  if (auto fault = faultFor(FileOp::Kind)) return *fault;
  const auto entry = entries.find(path);
  const EntryKind kind = entry == entries.end() ? EntryKind::Missing
                         : entry->second.directory ? EntryKind::Folder
                         : entry->second.special   ? EntryKind::Other
                                                   : EntryKind::File;
  if (afterCall) afterCall(log.back());
  return kind;
}

Result<std::vector<FolderEntry>> MemoryFileSystem::list(const std::string& folder) {
  log.push_back("list " + folder);
  if (auto fault = faultFor(FileOp::List)) return *fault;
  std::vector<FolderEntry> listed;
  const std::string prefix = folder + "\\";
  for (const auto& [path, entry] : entries) {
    if (!path.starts_with(prefix) || path.find('\\', prefix.size()) != std::string::npos) continue;
    listed.push_back({path.substr(prefix.size()), entry.directory ? EntryKind::Folder : EntryKind::File});
  }
  return listed;
}

Result<std::unique_ptr<ByteSource>> MemoryFileSystem::openForReading(const std::string& path) {
  log.push_back("read " + path);
  if (auto fault = faultFor(FileOp::Read, std::nullopt, &path)) return *fault;
  const auto entry = entries.find(path);
  if (entry == entries.end()) return notFoundError();
  if (entry->second.directory) return accessDeniedError();
  std::unique_ptr<ByteSource> source = std::make_unique<OwnedSource>(entry->second.bytes);
  if (afterCall) afterCall(log.back());
  return source;
}

}  // namespace kovrena::testing
