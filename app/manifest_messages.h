#pragma once
// The window program's texts and message-box styles of applying and
// undoing, as the user reads them. Line breaks inside messages are CR LF.
// What the window says of an outcome, and the words kovrena-cli shares
// with it, are the outcome table's (outcomes/); here are its questions and
// the rest.
#include <cstdint>
#include <string_view>

#include "outcomes/texts.h"
#include "platform/message_box.h"

namespace kovrena::app {

using namespace outcomes::text;

// The selection's number label in the error report.
inline constexpr std::string_view kSelectionNumberLabel = "(1)Hata No: ";

inline constexpr std::string_view kOverwriteQuestion =
    "Bu programa daha önceden XP Görünüm Stili desteği verilmiş\r\n\r\n"
    "Üzerine yazmak istiyor musunuz?";
// No is the default: replacing a manifest is the choice to make on purpose.
inline constexpr std::uint32_t kOverwriteStyle = mb::kYesNo | mb::kIconExclamation | mb::kDefaultButton2;

// A manifest the program did not write, which the program it came with may
// need: the question names what it carries, and No is the default.
inline constexpr std::string_view kForeignManifestBefore =
    "Bu programın yanındaki manifest programımız tarafından yazılmamış; ortak denetimlerden başka şu "
    "bileşenlere de bağlı: ";
inline constexpr std::string_view kForeignOverwriteAfter =
    "\r\n\r\nÜzerine yazılırsa program çalışmayabilir. Yine de üzerine yazmak istiyor musunuz?";
inline constexpr std::string_view kForeignDeleteAfter =
    "\r\n\r\nSilinirse program çalışmayabilir. Yine de silmek istiyor musunuz?";
// A file under the manifest's name that is no manifest at all (or cannot
// be told to be one): it is somebody's data, and No is the default.
inline constexpr std::string_view kNotAManifestBefore =
    "Bu programın yanındaki manifest adlı dosya programımız tarafından yazılmamış: ";
inline constexpr std::string_view kNotAManifestContent = "bir manifest değil";
inline constexpr std::string_view kNotAManifestTooLarge = "bir manifest olamayacak kadar büyük";
inline constexpr std::string_view kNotAManifestUnreadable = "okunamıyor";
inline constexpr std::string_view kNotAManifestOverwriteAfter =
    "\r\n\r\nÜzerine yazılırsa bu dosya kaybolur. Yine de üzerine yazmak istiyor musunuz?";
inline constexpr std::string_view kNotAManifestDeleteAfter =
    "\r\n\r\nSilinirse bu dosya kaybolur. Yine de silmek istiyor musunuz?";
// The program's own manifest needs more than the common controls; on XP the
// file beside it takes that manifest's place.
inline constexpr std::string_view kHiddenDependenciesBefore =
    "Bu programın kendi manifesti ortak denetimlerden başka şu bileşenlere de bağlı: ";
inline constexpr std::string_view kHiddenDependenciesAfter =
    "\r\n\r\nWindows XP'de yanına yazılacak manifest onları gizler ve program çalışmayabilir. Yine de XP "
    "Görünüm Stili uygulamak istiyor musunuz?";

// Windows refused the change with access denied; the same change can be
// made with full rights. Yes is the default: it is what the user chose.
inline constexpr std::string_view kFullRightsQuestion =
    "Windows bu değişikliğe izin vermedi: bu klasörde değişiklik yapmak yönetici izni istiyor\r\n\r\n"
    "Aynı değişikliği yönetici olarak yapmak istiyor musunuz?";
inline constexpr std::uint32_t kFullRightsQuestionStyle = mb::kYesNo | mb::kIconQuestion;
inline constexpr std::string_view kFullRightsRefusedMessage = "Yönetici izni verilmedi, hiçbir değişiklik yapılmadı";
// The release zip's helper: the one for the shipping exe's processor,
// which the x86_64 build takes too where its own is not there.
inline constexpr std::string_view kHelperMissingMessage =
    "Bu değişiklik yönetici izni istiyor; yönetici olarak yapmak için gereken kovrena-cli.exe Kovrena.exe ile aynı "
    "klasörde bulunamadı. Kovrena'yı \"Yönetici olarak çalıştır\" ile başlatıp yeniden deneyin";

inline constexpr std::string_view kSupportBefore =
    "Aşağıda yazılı hata ile ilgili ayrıntılı bilgileri bize ulaştırırsanız (";
inline constexpr std::string_view kSupportAfter = ") size yardımcı olabiliriz.";

}  // namespace kovrena::app
