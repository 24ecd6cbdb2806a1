// Win32FileSystem's reading: what sits at a path, folders' entries and
// files' bytes.
#include "platform/win32/file_system.h"

#include <windows.h>

#include <utility>

#include "platform/win32/last_error.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Answers that mean "nothing of that name", not a failure. A name no file
// can have (a wildcard, say) names nothing too.
bool namesNothing(DWORD code) {
  return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME;
}

EntryKind kindOfAttributes(DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return EntryKind::Link;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return EntryKind::Folder;
  if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) return EntryKind::Other;
  return EntryKind::File;
}

class FileSource final : public ByteSource {
 public:
  FileSource(UniqueHandle handle, std::uint64_t size) : handle_(std::move(handle)), size_(size) {}

  std::uint64_t size() const override { return size_; }

  Status read(std::uint64_t offset, std::span<std::uint8_t> out) override {
    while (!out.empty()) {
      // The offset travels with each read, so no shared file pointer matters.
      OVERLAPPED at{};
      at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
      at.OffsetHigh = static_cast<DWORD>(offset >> 32);
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size(), 1u << 20));
      DWORD got = 0;
      if (!ReadFile(handle_.get(), out.data(), chunk, &got, &at)) return LastError();
      // The file shrank since it was opened.
      if (got == 0) return ErrorFromCode(ERROR_HANDLE_EOF);
      out = out.subspan(got);
      offset += got;
    }
    return std::nullopt;
  }

 private:
  UniqueHandle handle_;
  std::uint64_t size_;
};

}  // namespace

Result<EntryKind> Win32FileSystem::kindOf(const std::string& path, bool followLinks) {
  const std::wstring wide = ToWide(path);
  if (!followLinks) {
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD code = GetLastError();
      if (namesNothing(code)) return EntryKind::Missing;
      // Only a link can make a name that cannot be resolved.
      if (code == ERROR_CANT_RESOLVE_FILENAME) return EntryKind::Link;
      // Wine answers a named pipe of the host with "invalid parameter"; the
      // entry itself, opened without any access, says what it is.
      const UniqueHandle entry(CreateFileW(wide.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
      if (entry && GetFileType(entry.get()) != FILE_TYPE_DISK) return EntryKind::Other;
      return ErrorFromCode(code);
    }
    // Wine shows a link to a file as the file itself.
    if (kovrena::win32::IsLink(wide)) return EntryKind::Link;
    return kindOfAttributes(attributes);
  }
  // Opened without any access: only what the path leads to is asked, and
  // no sharing mode of another program stands in the way.
  UniqueHandle handle(CreateFileW(wide.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                  nullptr));
  if (!handle) {
    const DWORD code = GetLastError();
    if (namesNothing(code)) return EntryKind::Missing;
    return ErrorFromCode(code);
  }
  if (GetFileType(handle.get()) != FILE_TYPE_DISK) return EntryKind::Other;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle.get(), &info)) return LastError();
  return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::Folder : EntryKind::File;
}

Result<std::vector<FolderEntry>> Win32FileSystem::list(const std::string& folder) {
  std::wstring pattern = ToWide(folder);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/' && pattern.back() != L':') {
    pattern += L'\\';
  }
  pattern += L'*';
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found{};
  UniqueFind search(FindFirstFileW(pattern.c_str(), &found));
  if (!search) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND) return entries;  // an empty drive root
    return ErrorFromCode(code);
  }
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back(FolderEntry{ToUtf8(name), kindOfAttributes(found.dwFileAttributes)});
  } while (FindNextFileW(search.get(), &found));
  const DWORD code = GetLastError();
  if (code != ERROR_NO_MORE_FILES) return ErrorFromCode(code);
  return entries;
}

Result<std::unique_ptr<ByteSource>> Win32FileSystem::openForReading(const std::string& path) {
  UniqueHandle handle(CreateFileW(ToWide(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return LastError();
  // A device or pipe is never read as a program.
  if (GetFileType(handle.get()) != FILE_TYPE_DISK) return ErrorFromCode(ERROR_INVALID_FUNCTION);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle.get(), &size)) return LastError();
  return std::unique_ptr<ByteSource>(
      std::make_unique<FileSource>(std::move(handle), static_cast<std::uint64_t>(size.QuadPart)));
}

}  // namespace kovrena::win32
