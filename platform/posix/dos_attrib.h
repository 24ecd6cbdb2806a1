#pragma once
// The DOS attributes of a file as Wine and Samba keep them on a POSIX file
// system: the extended attribute user.DOSATTRIB, whose value starts with
// "0x" and the attribute bits in hexadecimal ("0x6" for Hidden+System).
#include <cstdint>
#include <string>
#include <string_view>

namespace kovrena::posix {

inline constexpr const char* kDosAttribName = "user.DOSATTRIB";

// The bits in a stored value. Samba appends a binary record after the text
// (its leading "0x..." is terminated by a zero byte); only that text is
// read. A value without the "0x" text, or with more digits than 32 bits
// hold, carries no attributes we can trust: 0.
std::uint32_t parseDosAttrib(std::string_view raw);
// The value Wine writes: "0x" and lower-case hex digits, without zero byte.
std::string formatDosAttrib(std::uint32_t attributes);

}  // namespace kovrena::posix
