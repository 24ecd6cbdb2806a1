#pragma once
// File operations the logic needs, with paths and names as UTF-8 text.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/error.h"

namespace kovrena {

// Windows attribute bits; the POSIX implementation keeps them in the
// user.DOSATTRIB extended attribute.
namespace attr {
inline constexpr std::uint32_t kNormal = 0;
inline constexpr std::uint32_t kReadOnly = 1;
inline constexpr std::uint32_t kHidden = 2;
inline constexpr std::uint32_t kSystem = 4;
inline constexpr std::uint32_t kDirectory = 16;
inline constexpr std::uint32_t kArchive = 32;
// Lookup masks: the plain lookup finds ordinary files only; mask 39 also
// finds read-only, hidden, system and archive files. Folders never match.
inline constexpr std::uint32_t kPlainLookup = 0;
inline constexpr std::uint32_t kAnyFileLookup = kReadOnly | kHidden | kSystem | kArchive;
}  // namespace attr

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual Status write(std::string_view bytes) = 0;
  virtual Status close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The name (without folder) of the file at path that the mask admits, or
  // the empty text when there is none. A file that is hidden or system is
  // admitted only when the mask holds that bit; folders never are.
  virtual Result<std::string> findFile(const std::string& path, std::uint32_t mask) = 0;
  // Creates (or truncates) a file for binary writing.
  virtual Result<std::unique_ptr<OutputFile>> createFile(const std::string& path) = 0;
  // Sets the attributes to exactly this value.
  virtual Status setAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual Result<std::uint32_t> getAttributes(const std::string& path) = 0;
  virtual Status deleteFile(const std::string& path) = 0;
};

}  // namespace kovrena
