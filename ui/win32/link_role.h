#pragma once
// Tells screen readers that some controls are links. The system's own
// accessibility reads a static control as text; oleacc's annotation of the
// window (Windows XP on) gives it the role of a link. Everything is looked
// up at run time: where it is missing, the controls keep the system's role.
#include <windows.h>

#include <initializer_list>
#include <vector>

struct IAccPropServices;

namespace kovrena::ui::win32 {

class LinkRole {
 public:
  // The windows must outlive this object, which takes the roles back.
  explicit LinkRole(std::initializer_list<HWND> links);
  LinkRole(const LinkRole&) = delete;
  LinkRole& operator=(const LinkRole&) = delete;
  ~LinkRole();

 private:
  std::vector<HWND> links_;
  IAccPropServices* services_ = nullptr;
  bool comStarted_ = false;
};

}  // namespace kovrena::ui::win32
