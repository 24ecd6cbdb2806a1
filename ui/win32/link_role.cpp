#include "ui/win32/link_role.h"

#include <oleacc.h>

#include "platform/win32/system_function.h"

namespace kovrena::ui::win32 {

using kovrena::win32::SystemFunction;

namespace {

// Written out: the import library's GUIDs would link oleacc.dll into the program.
constexpr GUID kAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kRoleProperty = {0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

}  // namespace

LinkRole::LinkRole(std::initializer_list<HWND> links) : links_(links) {
  const auto start = SystemFunction<decltype(CoInitialize)>(L"ole32.dll", "CoInitialize");
  const auto create = SystemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  if (start == nullptr || create == nullptr) return;
  // S_FALSE: COM was started on this thread already; this start is counted too.
  const HRESULT started = start(nullptr);
  comStarted_ = SUCCEEDED(started);
  if (!comStarted_) return;
  if (FAILED(create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                    reinterpret_cast<void**>(&services_)))) {
    services_ = nullptr;
    return;
  }
  VARIANT role{};
  role.vt = VT_I4;
  role.lVal = ROLE_SYSTEM_LINK;
  for (const HWND link : links_) {
    // A system that cannot annotate (Wine answers E_NOTIMPL) leaves the role as it was.
    static_cast<void>(services_->SetHwndProp(link, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kRoleProperty,
                                             role));
  }
}

LinkRole::~LinkRole() {
  if (services_ != nullptr) {
    for (const HWND link : links_) {
      static_cast<void>(
          services_->ClearHwndProps(link, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &kRoleProperty, 1));
    }
    services_->Release();
  }
  if (comStarted_) {
    if (const auto stop = SystemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize")) stop();
  }
}

}  // namespace kovrena::ui::win32
