#pragma once
// The system-information launcher behind the about window's "&Sistem
// Bilgisi" button: finds the platform's tool through two registry values
// and starts it, or tells the user it cannot.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/process_launcher.h"
#include "platform/registry.h"

namespace kovrena::dialogs {

inline constexpr std::string_view kSysInfoUnavailable = "Sistem bilgilerinize şu an ulaşılamıyor";
// Appended unchanged to the folder of the second lookup, also after a
// folder that already ends in a backslash.
inline constexpr std::string_view kSysInfoProgramFile = "\\MSINFO32.EXE";
inline constexpr std::size_t kValueCapacity = 1024;

struct RegistryLookup {
  std::uint32_t root = reg::kLocalMachine;
  std::string keyPath;
  std::string valueName;
};

// Where the tool is looked for, in this order: the full path of its program
// file, then the folder that holds it.
struct SysInfoLookups {
  RegistryLookup programFile;
  RegistryLookup folder;
};
SysInfoLookups DefaultSysInfoLookups();

// Reads one value as text into valueText: true when the key opened and the
// value was read, whatever its type; false, with valueText emptied, when
// either failed (a value larger than the buffer counts as not read). A value
// of 0 bytes is an error. The key is opened read-only and closed on every
// way out.
Result<bool> GetKeyValue(Registry& registry, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::string& valueText);

struct SysInfoServices {
  Registry& registry;
  FileSystem& files;
  ProcessLauncher& launcher;
  MessageBoxService& messages;
};

// One launch: the tool is started and not waited for, or the one message
// box is shown. Nothing escapes and nothing is remembered.
void StartSysInfo(const SysInfoServices& services,
                  const SysInfoLookups& lookups = DefaultSysInfoLookups());

}  // namespace kovrena::dialogs
