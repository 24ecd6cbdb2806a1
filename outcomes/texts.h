#pragma once
// What the two programs say of an outcome, as the user reads it: the
// window program's messages (line breaks CR LF) and kovrena-cli's words,
// with the texts they share. The outcome table (outcomes/outcome_table.h)
// puts them in rows.
#include <string_view>

namespace kovrena::outcomes::text {

// Headlines and number labels of the error report, in both programs.
inline constexpr std::string_view kApplyHeadline =
    "XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir.";
inline constexpr std::string_view kUndoHeadline =
    "XP Stili düzenlemesi geri alınırken hata oluştu, XP stili geri alınamamış olabilir.";
inline constexpr std::string_view kNumberLabel = "Hata No: ";
inline constexpr std::string_view kDetailsLabel = "Hata Ayrıntıları: ";
inline constexpr std::string_view kNotFoundMessage = "Belirttiğiniz dosya bulunamadı";

// The window's messages of applying and undoing.
inline constexpr std::string_view kAppliedBefore = "Seçtiğiniz programa (";
inline constexpr std::string_view kAppliedAfter = ") XP Görünüm Stili uygulandı";
inline constexpr std::string_view kUndoneMessage =
    "Seçtiğiniz programa yapılmış XP Stili Görünüm düzenlemesi geri alındı";
inline constexpr std::string_view kNothingToUndoMessage =
    "Seçtiğiniz programa ait daha önceden programımız tarafından yapılmış bir XP Stili "
    "Görünüm düzenlemesi bulunamadı";
// A folder or special file under the manifest's name: never touched.
inline constexpr std::string_view kBlockedBefore = "Seçtiğiniz programın yanında manifest adında ";
inline constexpr std::string_view kBlockedFolder = "bir klasör";
inline constexpr std::string_view kBlockedSpecial = "özel bir dosya (aygıt ya da kanal)";
inline constexpr std::string_view kBlockedLink = "izlenemeyen bir bağlantı (örneğin kendine dönen)";
inline constexpr std::string_view kBlockedApplyAfter = " var; ona dokunulmadı, XP Görünüm Stili uygulanmadı";
inline constexpr std::string_view kBlockedUndoAfter =
    " var; ona dokunulmadı, geri alınacak bir XP Stili Görünüm düzenlemesi yok";
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

// The part of a window program's text that follows prefix; the whole
// text when it does not start so, which the checks below catch at build time.
constexpr std::string_view afterPrefix(std::string_view whole, std::string_view prefix) {
  return whole.starts_with(prefix) ? whole.substr(prefix.size()) : whole;
}

// kovrena-cli's words: the window program's own texts, cut to fit after
// "program: ".
inline constexpr std::string_view kApplied = afterPrefix(kAppliedAfter, ") ");
inline constexpr std::string_view kUndone = afterPrefix(kUndoneMessage, "Seçtiğiniz programa yapılmış ");
inline constexpr std::string_view kNothingToUndo = afterPrefix(kNothingToUndoMessage, "Seçtiğiniz programa ait ");
static_assert(kApplied.size() < kAppliedAfter.size());
static_assert(kUndone.size() < kUndoneMessage.size());
static_assert(kNothingToUndo.size() < kNothingToUndoMessage.size());
inline constexpr std::string_view kNotFound = kNotFoundMessage;

// What a program is.
inline constexpr std::string_view kX86 = "32 bit x86";
inline constexpr std::string_view kX64 = "64 bit x64";
inline constexpr std::string_view kArm64 = "64 bit ARM64";
inline constexpr std::string_view kAnyCpu = ".NET AnyCPU";
inline constexpr std::string_view kOtherMachine = "makine türü ";
inline constexpr std::string_view kProgram = " programı";
inline constexpr std::string_view kLibrary = " DLL'i";
inline constexpr std::string_view kNotWindowsProgram = "Windows programı değil";

// The status columns. '*' marks what the footnote explains.
inline constexpr std::string_view kFootnoteMark = " *";
inline constexpr std::string_view kManifestNone = "yanında: yok";
inline constexpr std::string_view kManifestOurs = "yanında: bu aracın";
inline constexpr std::string_view kManifestOursOther = "yanında: bu aracın, başka işlemci için";
inline constexpr std::string_view kNotHiddenSystem = " (gizli/sistem değil)";
inline constexpr std::string_view kManifestForeign = "yanında: başka";
inline constexpr std::string_view kManifestNotAFile = "yanında: klasör ya da özel dosya";
inline constexpr std::string_view kEmbeddedNone = "kendi: yok";
inline constexpr std::string_view kEmbeddedV6 = "kendi: v6 istiyor";
inline constexpr std::string_view kEmbeddedNoV6 = "kendi: v6 istemiyor";
inline constexpr std::string_view kEmbeddedUnreadable = "kendi: okunamıyor";
inline constexpr std::string_view kEmbeddedFaulty = "kendi: hatalı";

// kovrena-cli's outcomes.
inline constexpr std::string_view kReplaced = " (önceki manifestin yerine)";
inline constexpr std::string_view kOverridden =
    ", ama programın kendi manifesti Windows XP x64, Server 2003 SP1 ve sonrasında ve Wine'da önceliklidir: "
    "manifest yalnızca Windows XP'de etkili";
inline constexpr std::string_view kAlreadyApplied = "XP Görünüm Stili zaten uygulanmış, manifest değiştirilmedi";
// Not "daha önceden XP Görünüm Stili desteği verilmiş": the file there is
// not the tool's.
inline constexpr std::string_view kOtherManifestKept =
    "yanında başka bir manifest var, manifest değiştirilmedi (üzerine yazmak için --force)";
inline constexpr std::string_view kBlocked = "manifest adında bir klasör ya da özel dosya var, dokunulmadı";
inline constexpr std::string_view kNoManifestFor = "bu işlemci için manifest yazılmaz (x86, x64 ve .NET AnyCPU programlarına uygulanır)";
inline constexpr std::string_view kHidesDependencies =
    "programın kendi manifesti başka bileşenlere de bağlı (";
inline constexpr std::string_view kHidesDependenciesAfter =
    "); Windows XP'de yanındaki manifest onları gizler ve program açılmayabilir, manifest yazılmadı (yine de "
    "yazmak için --force)";
inline constexpr std::string_view kLibraryRefused = "bir DLL, program değil: Windows bir DLL'in yanındaki manifesti okumaz";
inline constexpr std::string_view kNotProgramRefused = "Windows programı değil, manifest yazılmadı";
inline constexpr std::string_view kForeignKept =
    "yanındaki manifest bu programın yazacağı manifest değil, silinmedi (programın üreticisinin olabilir; silmek için --force)";
inline constexpr std::string_view kForeignUndone = " (başka bir manifestti)";
// The window program's sentence for the same thing, after a comma.
inline constexpr std::string_view kProgramTimeNotSet =
    ", ama programın son değiştirilme zamanı güncellenemediği için değişiklik Windows yeniden başlatıldıktan "
    "sonra etkili olur";
inline constexpr std::string_view kFullRightsNeeded =
    " (Windows yönetici izni istiyor: komutu yönetici olarak açılmış bir komut isteminden çalıştırın)";
inline constexpr std::string_view kFolder = "bir klasör; altındaki programlar için --recursive verin";
inline constexpr std::string_view kNotAFile = "normal bir dosya değil";
inline constexpr std::string_view kNoPrograms = "altında .exe dosyası yok";
inline constexpr std::string_view kStatusHeadline = "Program okunurken hata oluştu.";
inline constexpr std::string_view kManifestReadHeadline = "Programın yanındaki manifest okunurken hata oluştu.";
inline constexpr std::string_view kBadName =
    "adında manifeste yazılamayan karakterler var (geçersiz UTF-8 ya da denetim karakteri), manifest yazılmadı";

// check: what lies beside the program, what binds, what is wrong with a manifest.
inline constexpr std::string_view kCheckAbsent = "yok";
inline constexpr std::string_view kCheckOurs = "bu aracın; ";
inline constexpr std::string_view kCheckForeign = "başka bir dosya; ";
inline constexpr std::string_view kCheckNotAFile = "klasör ya da özel dosya, okunmaz";
inline constexpr std::string_view kBindsV6 = "ortak denetimler v6";
inline constexpr std::string_view kBindsSystem = "sistemin ortak denetimleri, v6 değil";
inline constexpr std::string_view kDoesNotStart = "program açılmaz (yan yana yapılandırma hatası)";
inline constexpr std::string_view kUncertain = "belirsiz: Wine'ın okuyucusu bazı bozuklukları yok sayar";
inline constexpr std::string_view kProblemNone = "ortak denetimler v6'yı istiyor";
inline constexpr std::string_view kProblemEmpty = "boş dosya";
inline constexpr std::string_view kProblemNotXml = "XML olarak okunamıyor: ";
inline constexpr std::string_view kProblemTooLarge = "okunmadı: ";
inline constexpr std::string_view kProblemNotAnAssembly =
    "manifest değil (asm.v1 ad alanında, manifestVersion=\"1.0\" olan bir assembly öğesi yok)";
inline constexpr std::string_view kProblemIdentity = "kendi assemblyIdentity öğesinde name, version ya da type eksik";
inline constexpr std::string_view kProblemNoV6 = "ortak denetimler v6'yı istemiyor";
inline constexpr std::string_view kProblemToken = "ortak denetimler v6'yı yanlış publicKeyToken ile istiyor: ";
inline constexpr std::string_view kProblemNoArchitecture = "ortak denetimler v6'yı processorArchitecture olmadan istiyor";
inline constexpr std::string_view kProblemArchitecture = "ortak denetimler v6'yı başka bir işlemci için istiyor: ";

}  // namespace kovrena::outcomes::text
