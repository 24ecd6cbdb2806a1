#pragma once
// The Win32 file system on a fresh folder whose name is not ASCII,
// as the contracts take them.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/file_system.h"
#include "platform/win32/text.h"
#include "tests/contracts/engine_contract.h"
#include "tests/wine/platform/win_files.h"

namespace kovrena::testing {

class Win32Subject final : public contract::EngineSubject {
 public:
  bool ready() const override { return folder_.ok(); }
  FileSystem& files() override { return files_; }
  std::string folder() const override { return win32::ToUtf8(folder_.wide()); }
  std::string path(const std::string& name) const override { return folder_ / name; }
  bool makeFile(const std::string& path) override { return writeBytes(path, "x"); }
  bool write(const std::string& path, const std::string& bytes) override { return writeBytes(path, bytes); }
  bool makeFolder(const std::string& path) override { return CreateDirectoryW(win32::ToWide(path).c_str(), nullptr); }
  std::optional<std::string> read(const std::string& path) override { return readBytes(path); }

 private:
  TempDir folder_{L"Çalışma"};
  win32::Win32FileSystem files_;
};

}  // namespace kovrena::testing
