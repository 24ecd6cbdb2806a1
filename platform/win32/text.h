#pragma once
// The logic speaks UTF-8; Windows speaks UTF-16. Conversions happen at the
// edge, in the W functions' callers only.
#include <string>
#include <string_view>

namespace kovrena::win32 {

std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

}  // namespace kovrena::win32
