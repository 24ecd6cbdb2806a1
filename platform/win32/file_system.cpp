#include "platform/win32/file_system.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/path_text.h"
#include "platform/win32/last_error.h"
#include "platform/win32/output_file.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
// What a link at a path is refused with: the code Windows gives for a link
// it cannot follow.
constexpr DWORD kLinkRefused = ERROR_CANT_RESOLVE_FILENAME;

using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);

// GetFinalPathNameByHandleW came with Vista: looked up, so that the
// program still loads on XP, where no link to a file exists.
FinalPathFunction finalPathFunction() {
  static const auto function = reinterpret_cast<FinalPathFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
  return function;
}

// Where path leads once every link on the way is followed.
std::optional<std::wstring> finalPathOf(FinalPathFunction finalPath, const std::wstring& path) {
  UniqueHandle handle(
      CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) return std::nullopt;
  std::wstring buffer(MAX_PATH, L'\0');
  DWORD length = finalPath(handle.get(), buffer.data(), static_cast<DWORD>(buffer.size()), 0);
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = finalPath(handle.get(), buffer.data(), static_cast<DWORD>(buffer.size()), 0);
  }
  if (length == 0 || length >= buffer.size()) return std::nullopt;
  buffer.resize(length);
  return buffer;
}

std::optional<std::wstring> fullPathOf(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::nullopt;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return std::nullopt;
  full.resize(length);
  return full;
}

Status refuseLink(const std::wstring& path) {
  if (IsLink(path)) return ErrorFromCode(kLinkRefused);
  return std::nullopt;
}

constexpr char kWriterPlatform = 'w';

// Whether the process that wrote a temporary file has ended. Our own id
// means the same: it belonged to a process that ended before ours began,
// since no run of ours is writing that file now.
bool writerEnded(DWORD process) {
  if (process == GetCurrentProcessId()) return true;
  UniqueHandle handle(OpenProcess(SYNCHRONIZE, FALSE, process));
  if (!handle) return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
  return WaitForSingleObject(handle.get(), 0) == WAIT_OBJECT_0;
}

}  // namespace

bool IsLink(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return true;
  const FinalPathFunction finalPath = finalPathFunction();
  if (finalPath == nullptr) return false;
  // The entry's own name, as its folder lists it, after where the folder
  // leads: that is where the path leads unless the entry is a link. Both
  // sides come from the same translation, so spelling and case agree.
  const std::optional<std::wstring> full = fullPathOf(path);
  if (!full) return false;
  const std::wstring_view parent = FolderOf(*full, PathStyle::Windows);
  if (parent.empty() || parent.size() == full->size()) return false;
  WIN32_FIND_DATAW found{};
  UniqueFind search(FindFirstFileW(full->c_str(), &found));
  if (!search) return false;
  // A drive's root keeps its backslash, the only folder that ends in one.
  const std::wstring folder(parent.substr(0, parent.size() == 3 ? 3 : parent.size() - 1));
  const std::optional<std::wstring> leadsTo = finalPathOf(finalPath, *full);
  std::optional<std::wstring> expected = finalPathOf(finalPath, folder);
  if (!leadsTo || !expected) return false;
  if (expected->empty() || expected->back() != L'\\') *expected += L'\\';
  *expected += found.cFileName;
  return *leadsTo != *expected;
}

Result<std::string> Win32FileSystem::findFile(const std::string& path, std::uint32_t mask) {
  const std::wstring wide = ToWide(path);
  // The caller asks about one exact path. No Windows file name holds a
  // wildcard, so a path with one names no file, and must not be allowed to
  // match others.
  if (wide.find_first_of(L"*?") != std::wstring::npos) return std::string();

  WIN32_FIND_DATAW found{};
  UniqueFind search(FindFirstFileW(wide.c_str(), &found));
  if (!search) {
    const DWORD code = GetLastError();
    // Nothing there, or no such folder: the listing is simply empty.
    // A link that leads round to itself names no file either.
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_NO_MORE_FILES ||
        code == ERROR_CANT_RESOLVE_FILENAME) {
      return std::string();
    }
    return ErrorFromCode(code);
  }
  // FindFirstFileW reports hidden, system and folder entries alike; the
  // mask is applied here.
  if (!LookupAdmits(static_cast<std::uint32_t>(found.dwFileAttributes), mask)) return std::string();
  return ToUtf8(found.cFileName);
}

Result<NewFile> Win32FileSystem::createTemporaryFile(const std::string& path) {
  const Writer writer{kWriterPlatform, static_cast<std::uint32_t>(GetCurrentProcessId())};
  // The temporary name fits wherever the file's own name fits: within a
  // component's 255 units and, the folder included, within MAX_PATH.
  const std::wstring wide = ToWide(path);
  const std::size_t nameLength = FileNameOf(wide, PathStyle::Windows).size();
  if (nameLength > kLongestName) return ErrorFromCode(ERROR_FILENAME_EXCED_RANGE);
  std::size_t longest = kLongestName;
  if (const std::optional<std::wstring> full = fullPathOf(wide); full && full->size() >= nameLength) {
    const std::size_t folderLength = full->size() - nameLength;
    if (folderLength + nameLength < MAX_PATH) longest = std::min<std::size_t>(longest, MAX_PATH - 1 - folderLength);
  }
  // A name taken already (a run killed before it could tidy up, say) is
  // passed over, never opened.
  for (std::uint32_t attempt = 0;; ++attempt) {
    std::string temporary = TemporaryPathFor(path, writer, attempt, NameUnits::Utf16, longest);
    Result<std::unique_ptr<OutputFile>> created = createHiddenFile(temporary);
    if (created) return NewFile{std::move(temporary), std::move(created).value()};
    const auto code = static_cast<DWORD>(created.error().number);
    if ((code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) || attempt == 99) return created.error();
  }
}

void Win32FileSystem::removeLeftovers(const std::string& path) {
  const std::wstring wide = ToWide(path);
  if (wide.find_first_of(L"*?") != std::wstring::npos) return;
  const std::wstring folder(FolderOf(wide, PathStyle::Windows));
  const std::string name = ToUtf8(wide.substr(folder.size()));
  WIN32_FIND_DATAW found{};
  std::wstring pattern = wide;
  pattern += L".w*";
  pattern += ToWide(std::string(kTemporaryEnding));
  UniqueFind search(FindFirstFileW(pattern.c_str(), &found));
  if (!search) return;
  // Removing an entry while its folder is being listed leaves the listing
  // of the others intact.
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    const std::optional<Writer> writer = TemporaryWriterOf(name, ToUtf8(found.cFileName));
    if (!writer || writer->platform != kWriterPlatform || !writerEnded(writer->process)) continue;
    const std::wstring file = folder + found.cFileName;
    if (IsLink(file)) continue;
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(file.c_str());
  } while (FindNextFileW(search.get(), &found));
}

Status Win32FileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
  const std::wstring wide = ToWide(path);
  // Under Wine the attributes of a link are those of the file it leads to.
  if (Status failure = refuseLink(wide)) return failure;
  // FILE_ATTRIBUTE_NORMAL is how the API spells "no attribute at all".
  const DWORD value = attributes == attr::kNormal ? FILE_ATTRIBUTE_NORMAL : static_cast<DWORD>(attributes);
  if (!SetFileAttributesW(wide.c_str(), value)) return LastError();
  // Wine keeps Hidden and System in an extended attribute of the Unix
  // file; where the file system has none it drops them and still reports
  // success. Read back, that is a failure like any other.
  const DWORD wanted = value & kHiddenSystem;
  if (wanted != 0) {
    const DWORD stored = GetFileAttributesW(wide.c_str());
    if (stored == INVALID_FILE_ATTRIBUTES) return LastError();
    if ((stored & wanted) != wanted) return ErrorFromCode(ERROR_NOT_SUPPORTED);
  }
  return std::nullopt;
}

Result<std::uint32_t> Win32FileSystem::getAttributes(const std::string& path) {
  const DWORD value = GetFileAttributesW(ToWide(path).c_str());
  if (value == INVALID_FILE_ATTRIBUTES) return LastError();
  return static_cast<std::uint32_t>(value & ~static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
}

Status Win32FileSystem::deleteFile(const std::string& path) {
  const std::wstring wide = ToWide(path);
  // Wine deletes the file a link leads to, not the link.
  if (Status failure = refuseLink(wide)) return failure;
  if (!DeleteFileW(wide.c_str())) return LastError();
  return std::nullopt;
}

Status Win32FileSystem::replaceFile(const std::string& from, const std::string& to) {
  const std::wstring target = ToWide(to);
  if (Status failure = refuseLink(target)) return failure;
  // Both flags are there since Windows 2000; WRITE_THROUGH returns only
  // once the rename is on the disk.
  if (!MoveFileExW(ToWide(from).c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastError();
  }
  return std::nullopt;
}

Result<std::uint32_t> Win32FileSystem::linkCount(const std::string& path) {
  const std::wstring wide = ToWide(path);
  if (Status failure = refuseLink(wide)) return *failure;
  UniqueHandle handle(CreateFileW(wide.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!handle) return LastError();
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle.get(), &info)) return LastError();
  return static_cast<std::uint32_t>(info.nNumberOfLinks);
}

namespace {

// Only the right to change times and attributes: a read-only file grants
// it, and a running program's file does too (its sharing mode guards its
// data, not its times).
UniqueHandle openForTimes(const std::wstring& path, DWORD access) {
  return UniqueHandle(CreateFileW(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

}  // namespace

Result<std::uint64_t> Win32FileSystem::lastWriteTime(const std::string& path) {
  const UniqueHandle handle = openForTimes(ToWide(path), FILE_READ_ATTRIBUTES);
  if (!handle) return LastError();
  FILETIME written{};
  if (!GetFileTime(handle.get(), nullptr, nullptr, &written)) return LastError();
  return (static_cast<std::uint64_t>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

Status Win32FileSystem::setLastWriteTimeToNow(const std::string& path) {
  const UniqueHandle handle = openForTimes(ToWide(path), FILE_WRITE_ATTRIBUTES);
  if (!handle) return LastError();
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  if (!SetFileTime(handle.get(), nullptr, nullptr, &now)) return LastError();
  return std::nullopt;
}

}  // namespace kovrena::win32
