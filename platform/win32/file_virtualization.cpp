#include "platform/win32/file_virtualization.h"

#include "platform/win32/scoped.h"

namespace kovrena::win32 {

namespace {

class ProcessToken final : public VirtualizationToken {
 public:
  // A token that cannot be opened is one that cannot be asked.
  ProcessToken() { OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_ADJUST_DEFAULT, token_.put()); }
  // The information class exists from Vista on; XP's token answers it with
  // ERROR_INVALID_PARAMETER, as any class it does not know.
  DWORD query(DWORD& enabled) override {
    if (!token_) return ERROR_ACCESS_DENIED;
    DWORD size = 0;
    if (GetTokenInformation(token_.get(), TokenVirtualizationEnabled, &enabled, sizeof enabled, &size)) {
      return ERROR_SUCCESS;
    }
    return GetLastError();
  }
  DWORD set(DWORD enabled) override {
    if (!token_) return ERROR_ACCESS_DENIED;
    if (SetTokenInformation(token_.get(), TokenVirtualizationEnabled, &enabled, sizeof enabled)) {
      return ERROR_SUCCESS;
    }
    return GetLastError();
  }

 private:
  UniqueHandle token_;
};

}  // namespace

Virtualization TurnOffFileVirtualization(VirtualizationToken& token) {
  DWORD enabled = 0;
  const DWORD asked = token.query(enabled);
  if (asked == ERROR_INVALID_PARAMETER) return Virtualization::Absent;
  if (asked != ERROR_SUCCESS) return Virtualization::Unknown;
  if (enabled == 0) return Virtualization::Off;
  return token.set(0) == ERROR_SUCCESS ? Virtualization::TurnedOff : Virtualization::Refused;
}

Virtualization TurnOffFileVirtualization() {
  ProcessToken token;
  return TurnOffFileVirtualization(token);
}

}  // namespace kovrena::win32
