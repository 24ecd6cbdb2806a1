#pragma once
// The texts and message-box styles of applying and undoing, as the user
// reads them. Line breaks inside messages are CR LF.
#include <cstdint>
#include <string_view>

#include "platform/message_box.h"

namespace kovrena::manifest {

inline constexpr std::string_view kOverwriteQuestion =
    "Bu programa daha önceden XP Görünüm Stili desteği verilmiş\r\n\r\n"
    "Üzerine yazmak istiyor musunuz?";
// No is the default: replacing a manifest is the choice to make on purpose.
inline constexpr std::uint32_t kOverwriteStyle = mb::kYesNo | mb::kIconExclamation | mb::kDefaultButton2;

inline constexpr std::string_view kAppliedBefore = "Seçtiğiniz programa (";
inline constexpr std::string_view kAppliedAfter = ") XP Görünüm Stili uygulandı";

inline constexpr std::string_view kUndoneMessage =
    "Seçtiğiniz programa yapılmış XP Stili Görünüm düzenlemesi geri alındı";
inline constexpr std::string_view kNothingToUndoMessage =
    "Seçtiğiniz programa ait daha önceden programımız tarafından yapılmış bir XP Stili "
    "Görünüm düzenlemesi bulunamadı";

inline constexpr std::string_view kSupportBefore =
    "Aşağıda yazılı hata ile ilgili ayrıntılı bilgileri bize ulaştırırsanız (";
inline constexpr std::string_view kSupportAfter = ") size yardımcı olabiliriz.";
inline constexpr std::string_view kDetailsLabel = "Hata Ayrıntıları: ";

}  // namespace kovrena::manifest
