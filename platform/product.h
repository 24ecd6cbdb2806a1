#pragma once
// Facts about the product that several subsystems show to the user.
#include <string_view>

namespace kovrena {

inline constexpr std::string_view kProgramTitle = "Kovrena";
inline constexpr std::string_view kExecutableName = "Kovrena.exe";
// Reserved example domain: the maker's real addresses are not part of the build.
inline constexpr std::string_view kSupportEmail = "destek@drenvik.example";
inline constexpr std::string_view kWebHost = "www.drenvik.example";
inline constexpr std::string_view kWebUrl = "http://www.drenvik.example";
inline constexpr std::string_view kDescription =
    "Windows XP altında denetimleri XP tarzı görünmeyen programlara XP tarzı görünüm desteği verir.";

}  // namespace kovrena
