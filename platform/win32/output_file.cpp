#include "platform/win32/output_file.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/win32/last_error.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {

namespace {

class Win32OutputFile final : public OutputFile {
 public:
  explicit Win32OutputFile(UniqueHandle handle) : handle_(std::move(handle)) {}

  Status write(std::string_view bytes) override {
    if (!handle_) return ErrorFromCode(ERROR_INVALID_HANDLE);
    // WriteFile takes a DWORD count and may write less than asked.
    while (!bytes.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
      DWORD written = 0;
      if (!WriteFile(handle_.get(), bytes.data(), chunk, &written, nullptr)) return LastError();
      if (written == 0) return ErrorFromCode(ERROR_WRITE_FAULT);
      bytes.remove_prefix(written);
    }
    return std::nullopt;
  }

  Status flush() override {
    if (!handle_) return ErrorFromCode(ERROR_INVALID_HANDLE);
    if (!FlushFileBuffers(handle_.get())) return LastError();
    return std::nullopt;
  }

  Status close() override {
    if (!handle_) return ErrorFromCode(ERROR_INVALID_HANDLE);
    // The handle is given up whatever CloseHandle answers: it is not
    // closed a second time by the destructor.
    if (!CloseHandle(handle_.release())) return LastError();
    return std::nullopt;
  }

 private:
  UniqueHandle handle_;
};

}  // namespace

Result<std::unique_ptr<OutputFile>> createHiddenFile(const std::string& path) {
  // CREATE_NEW: nothing already there is opened, a link least of all.
  UniqueHandle handle(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_HIDDEN, nullptr));
  if (!handle) return LastError();
  return std::unique_ptr<OutputFile>(std::make_unique<Win32OutputFile>(std::move(handle)));
}

}  // namespace kovrena::win32
