#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/message_box.h"
#include "platform/win32/text.h"

namespace kovrena::win32 {
namespace {

// What a helper thread saw of the box before pressing one of its buttons.
struct Seen {
  std::wstring title;
  std::wstring text;
  int defaultButton = 0;  // the button drawn as the default one
};

HWND findBox(DWORD thread, const wchar_t* title) {
  struct Search {
    const wchar_t* title;
    HWND found;
  } search{title, nullptr};
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t caption[64] = {};
        GetWindowTextW(window, caption, 64);
        if (IsWindowVisible(window) && std::wstring(caption) == s->title) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Shows the box on this thread while another thread reads it and presses
// the given button; returns what show() answered.
int showAndPress(const std::string& text, std::uint32_t style, int button, Seen& seen) {
  const DWORD self = GetCurrentThreadId();
  std::thread presser([&] {
    for (int attempt = 0; attempt < 200; ++attempt) {
      if (HWND box = findBox(self, L"Kovrena")) {
        wchar_t caption[64] = {};
        GetWindowTextW(box, caption, 64);
        seen.title = caption;
        wchar_t body[512] = {};
        GetDlgItemTextW(box, 0xFFFF, body, 512);
        seen.text = body;
        for (const int id : {IDOK, IDYES, IDNO}) {
          HWND control = GetDlgItem(box, id);
          const LONG_PTR kind = control != nullptr ? GetWindowLongPtrW(control, GWL_STYLE) & 0x0F : -1;
          if (kind == BS_DEFPUSHBUTTON) seen.defaultButton = id;
        }
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return;
      }
      Sleep(50);
    }
  });
  Win32MessageBox messages(nullptr);
  const int answer = messages.show(text, style);
  presser.join();
  return answer;
}

struct BoxCase {
  const char* label;
  std::uint32_t style;
  int press;
  int expectedAnswer;
  int expectedDefault;
};

TEST(Win32MessageBox, ShowsTheTextAndReturnsTheButtonPressed) {
  const std::vector<BoxCase> cases = {
      {"question, No preselected, Yes pressed", 308, IDYES, 6, IDNO},
      {"question, No pressed", 308, IDNO, 7, IDNO},
      {"information, OK", 64, IDOK, 1, IDOK},
      {"critical, OK", 16, IDOK, 1, IDOK},
  };
  const std::string text = "Bu programa daha önceden XP Görünüm Stili desteği verilmiş\r\n\r\nÜzerine yazmak istiyor musunuz?";
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.label);
    Seen seen;
    EXPECT_EQ(showAndPress(text, c.style, c.press, seen), c.expectedAnswer);
    EXPECT_EQ(seen.title, L"Kovrena");
    EXPECT_EQ(ToUtf8(seen.text), text);
    EXPECT_EQ(seen.defaultButton, c.expectedDefault);
  }
}

}  // namespace
}  // namespace kovrena::win32
