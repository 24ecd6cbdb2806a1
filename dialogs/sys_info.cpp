#include "dialogs/sys_info.h"

#include "dialogs/registry_text.h"

namespace kovrena::dialogs {

SysInfoLookups DefaultSysInfoLookups() {
  return {{reg::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"},
          {reg::kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"}};
}

Result<bool> GetKeyValue(Registry& registry, std::uint32_t root, const std::string& keyPath,
                         const std::string& valueName, std::string& valueText) {
  // Read access is all the lookup needs; a wider mask is refused to
  // ordinary users on the machine key.
  Result<std::unique_ptr<RegistryKey>> key = registry.openKey(root, keyPath, reg::kReadAccess);
  if (!key) {
    valueText.clear();
    return false;
  }
  Result<RegistryValue> value = key.value()->queryValue(valueName, kValueCapacity);
  if (!value) {
    valueText.clear();
    return false;
  }
  if (Status failed = ConvertValue(value.value(), valueText)) return *failed;
  return true;
}

namespace {

Error notFound(std::string_view what) { return Error{kErrFileNotFound, std::string(what)}; }

Status launch(const SysInfoServices& services, const SysInfoLookups& lookups) {
  std::string path;
  const RegistryLookup& first = lookups.programFile;
  Result<bool> read = GetKeyValue(services.registry, first.root, first.keyPath, first.valueName, path);
  if (!read) return read.error();
  if (!read.value()) {
    // The path read by the first lookup is started as it is; only the folder
    // of the second one is checked for the program file.
    const RegistryLookup& second = lookups.folder;
    read = GetKeyValue(services.registry, second.root, second.keyPath, second.valueName, path);
    if (!read) return read.error();
    if (!read.value()) return notFound("no registry entry names the system-information tool");
    std::string candidate = path + std::string(kSysInfoProgramFile);
    Result<std::string> found = services.files.findFile(candidate, attr::kPlainLookup);
    if (!found) return found.error();
    if (found.value().empty()) return notFound(candidate);
    path = std::move(candidate);
  }
  return services.launcher.start(path, show::kNormal);
}

}  // namespace

void StartSysInfo(const SysInfoServices& services, const SysInfoLookups& lookups) {
  if (launch(services, lookups)) {
    services.messages.show(std::string(kSysInfoUnavailable), mb::kOk);
  }
}

}  // namespace kovrena::dialogs
