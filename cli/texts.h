#pragma once
// The command line's Turkish words. Where the window program has a text
// for the same thing, that text is used, from the same constant.
#include <string_view>

#include "app/manifest_messages.h"

namespace kovrena::cli::text {

// The part of a window program's text that follows prefix; the whole
// text when it does not start so, which the checks below catch at build time.
constexpr std::string_view afterPrefix(std::string_view whole, std::string_view prefix) {
  return whole.starts_with(prefix) ? whole.substr(prefix.size()) : whole;
}

// The window program's own texts, cut to fit after "program: ".
inline constexpr std::string_view kApplied = afterPrefix(app::kAppliedAfter, ") ");
inline constexpr std::string_view kUndone = afterPrefix(app::kUndoneMessage, "Seçtiğiniz programa yapılmış ");
inline constexpr std::string_view kNothingToUndo =
    afterPrefix(app::kNothingToUndoMessage, "Seçtiğiniz programa ait ");
static_assert(kApplied.size() < app::kAppliedAfter.size());
static_assert(kUndone.size() < app::kUndoneMessage.size());
static_assert(kNothingToUndo.size() < app::kNothingToUndoMessage.size());
// "Bu programa daha önceden XP Görünüm Stili desteği verilmiş": the
// question's first line.
inline constexpr std::string_view kNotFound = app::kNotFoundMessage;
inline constexpr std::string_view kApplyHeadline = app::kApplyHeadline;
inline constexpr std::string_view kUndoHeadline = app::kUndoHeadline;
inline constexpr std::string_view kNumberLabel = app::kNumberLabel;
inline constexpr std::string_view kDetailsLabel = app::kDetailsLabel;

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
inline constexpr std::string_view kPrecedence =
    "Windows XP x64, Server 2003 SP1 ve sonrasında ve Wine'da programın kendi manifesti geçerlidir, yanındaki "
    "manifest yok sayılır";
inline constexpr std::string_view kSeeCheck = " (ayrıntı: kovrena-cli check PROGRAM)";
inline constexpr std::string_view kCacheNote =
    "Not: Windows Vista ve sonrası bir programın manifestini bir kez okuyup saklar; program çalıştıktan sonra "
    "eklenen ya da değişen manifest, programın son değiştirilme zamanı değişince okunur.";

// Outcomes.
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

// check.
inline constexpr std::string_view kCheckProgram = "  program: ";
inline constexpr std::string_view kCheckExternal = "  yanındaki manifest: ";
inline constexpr std::string_view kCheckEmbedded = "  kendi manifesti: ";
inline constexpr std::string_view kCheckOthers = "; öteki bağımlılıkları: ";
inline constexpr std::string_view kCheckAbsent = "yok";
inline constexpr std::string_view kCheckOurs = "bu aracın; ";
inline constexpr std::string_view kCheckForeign = "başka bir dosya; ";
inline constexpr std::string_view kCheckNotAFile = "klasör ya da özel dosya, okunmaz";
inline constexpr std::string_view kCheckXp = "  Windows XP: ";
inline constexpr std::string_view kCheckServer = "  Windows XP x64, Server 2003 SP1, Vista ve sonrası: ";
inline constexpr std::string_view kCheckWine = "  Wine: ";
inline constexpr std::string_view kCheckPrefer = "  PreferExternalManifest: ";
inline constexpr std::string_view kPreferWine = "Wine 8 bu ayarı okumaz";
inline constexpr std::string_view kPreferSet = "1: yanındaki manifest kendi manifestinden önce gelir";
inline constexpr std::string_view kPreferUnset = "ayarlı değil: kendi manifesti önce gelir";
inline constexpr std::string_view kCheckShown = "  kendi manifestinin metni:\n";
inline constexpr std::string_view kFromExternal = "yanındaki manifestten";
inline constexpr std::string_view kFromEmbedded = "kendi manifestinden";
inline constexpr std::string_view kNoManifest = "manifest yok";
inline constexpr std::string_view kNot32BitXp = "64 bit program, 32 bit Windows XP'de çalışmaz";

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

// The JSON document waits in a spool until its "ok" is known.
inline constexpr std::string_view kSpoolLost = "kovrena-cli: JSON belgesinin bekletilen kısmı geri okunamadı: ";
// The line on a terminal while a long walk goes on: "1200 / 5000 program  /mnt/eski".
inline constexpr std::string_view kProgressPrograms = " program  ";

}  // namespace kovrena::cli::text
