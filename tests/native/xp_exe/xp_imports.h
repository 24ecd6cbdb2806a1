#pragma once
// What the XP checks of the shipped executables share: reading the file and
// the functions XP (5.1, 32-bit) lacks that toolchains are known to pull in.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> readFileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

inline const std::set<std::string>& functionsNewerThanXp() {
  static const std::set<std::string> newer = {
      "GetTickCount64", "InitializeConditionVariable", "SleepConditionVariableCS",
      "SleepConditionVariableSRW", "WakeConditionVariable", "WakeAllConditionVariable",
      "InitializeSRWLock", "AcquireSRWLockExclusive", "AcquireSRWLockShared",
      "ReleaseSRWLockExclusive", "ReleaseSRWLockShared", "TryAcquireSRWLockExclusive",
      "TryAcquireSRWLockShared", "InitOnceExecuteOnce", "InitOnceBeginInitialize",
      "InitOnceComplete", "FlsAlloc", "FlsFree", "FlsGetValue", "FlsSetValue",
      "GetSystemTimePreciseAsFileTime", "CreateSymbolicLinkW", "GetFinalPathNameByHandleW",
      "SetFileInformationByHandle", "GetFileInformationByHandleEx", "CompareStringEx",
      "LCMapStringEx", "GetLocaleInfoEx", "GetUserDefaultLocaleName", "CreateEventExW",
      "CreateMutexExW", "CreateSemaphoreExW", "InitializeCriticalSectionEx",
      "GetCurrentProcessorNumber", "CancelIoEx", "QueryFullProcessImageNameW",
      "RegGetValueW", "RegGetValueA", "RegDeleteTreeW", "RegSetKeyValueW", "TaskDialog",
      "TaskDialogIndirect", "GetErrorMode", "SetThreadErrorMode", "GetThreadErrorMode",
      "RaiseFailFastException", "AddDllDirectory", "SetDefaultDllDirectories",
      "GetDpiForWindow", "SetProcessDpiAwarenessContext", "SetProcessDPIAware",
      "LoadIconMetric", "LoadIconWithScaleDown", "ChangeWindowMessageFilter",
      "ChangeWindowMessageFilterEx", "WTSRegisterSessionNotification",
      "SHGetKnownFolderPath", "GetLogicalProcessorInformationEx", "GetNumaNodeProcessorMaskEx",
      "CreateFile2", "GetEnabledXStateFeatures", "Wow64DisableWow64FsRedirection",
      "Wow64RevertWow64FsRedirection"};
  return newer;
}
