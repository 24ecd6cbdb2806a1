#pragma once
// The window program's texts and message-box styles of applying and
// undoing, as the user reads them. Line breaks inside messages are CR LF.
// kovrena-cli says the same things with the same words, from these
// constants.
#include <cstdint>
#include <string_view>

#include "platform/message_box.h"

namespace kovrena::app {

// Headlines and number labels of the error report's users.
inline constexpr std::string_view kApplyHeadline =
    "XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir.";
inline constexpr std::string_view kUndoHeadline =
    "XP Stili düzenlemesi geri alınırken hata oluştu, XP stili geri alınamamış olabilir.";
inline constexpr std::string_view kNumberLabel = "Hata No: ";
inline constexpr std::string_view kSelectionNumberLabel = "(1)Hata No: ";
inline constexpr std::string_view kNotFoundMessage = "Belirttiğiniz dosya bulunamadı";

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
// A folder or special file under the manifest's name: never touched.
inline constexpr std::string_view kBlockedBefore = "Seçtiğiniz programın yanında manifest adında ";
inline constexpr std::string_view kBlockedFolder = "bir klasör";
inline constexpr std::string_view kBlockedSpecial = "özel bir dosya (aygıt ya da kanal)";
inline constexpr std::string_view kBlockedLink = "izlenemeyen bir bağlantı (örneğin kendine dönen)";
inline constexpr std::string_view kBlockedApplyAfter = " var; ona dokunulmadı, XP Görünüm Stili uygulanmadı";
inline constexpr std::string_view kBlockedUndoAfter =
    " var; ona dokunulmadı, geri alınacak bir XP Stili Görünüm düzenlemesi yok";
// The program's own manifest needs more than the common controls; on XP the
// file beside it takes that manifest's place.
inline constexpr std::string_view kHiddenDependenciesBefore =
    "Bu programın kendi manifesti ortak denetimlerden başka şu bileşenlere de bağlı: ";
inline constexpr std::string_view kHiddenDependenciesAfter =
    "\r\n\r\nWindows XP'de yanına yazılacak manifest onları gizler ve program çalışmayabilir. Yine de XP "
    "Görünüm Stili uygulamak istiyor musunuz?";

// Files Windows would not start as a program with a manifest beside it.
inline constexpr std::string_view kNotAProgramMessage =
    "Seçtiğiniz dosya bir Windows programı değil, XP Görünüm Stili uygulanmadı";
inline constexpr std::string_view kLibraryMessage =
    "Seçtiğiniz dosya bir DLL, program değil: Windows bir DLL'in yanındaki manifesti okumaz. XP Görünüm Stili "
    "uygulanmadı";
inline constexpr std::string_view kWrongMachineMessage =
    "Seçtiğiniz program x86, x64 ya da .NET AnyCPU için yazılmamış (örneğin ARM64 için): bu işlemciye uygun "
    "bir manifest yok, XP Görünüm Stili uygulanmadı";
inline constexpr std::string_view kBadNameMessage =
    "Seçtiğiniz programın adında manifeste yazılamayan karakterler var, XP Görünüm Stili uygulanmadı";
// Added to the success message where this Windows goes by the program's
// own manifest.
inline constexpr std::string_view kOwnManifestWinsSentence =
    "\r\n\r\nBu Windows programın kendi içindeki manifesti kullandığı için yazılan manifest burada etkisizdir, "
    "yalnızca Windows XP'de etkili olur";

// Added to the success message where this Windows keeps what it read of
// the program's manifest until the program's time changes, and that time
// could not be changed.
inline constexpr std::string_view kRestartSentence =
    "\r\n\r\nProgramın son değiştirilme zamanı güncellenemediği için değişiklik Windows yeniden başlatıldıktan "
    "sonra etkili olur";

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
inline constexpr std::string_view kDetailsLabel = "Hata Ayrıntıları: ";

}  // namespace kovrena::app
