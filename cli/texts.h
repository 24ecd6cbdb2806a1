#pragma once
// The command line's Turkish words. Where the window program has a text
// for the same thing, that text is used, from the same constant.
#include <string_view>

#include "manifest/engine.h"
#include "manifest/messages.h"

namespace kovrena::cli::text {

// The part of a window program's text that follows prefix; the whole
// text when it does not start so, which the checks below catch at build time.
constexpr std::string_view afterPrefix(std::string_view whole, std::string_view prefix) {
  return whole.starts_with(prefix) ? whole.substr(prefix.size()) : whole;
}

// The window program's own texts, cut to fit after "program: ".
inline constexpr std::string_view kApplied = afterPrefix(manifest::kAppliedAfter, ") ");
inline constexpr std::string_view kUndone = afterPrefix(manifest::kUndoneMessage, "Seçtiğiniz programa yapılmış ");
inline constexpr std::string_view kNothingToUndo =
    afterPrefix(manifest::kNothingToUndoMessage, "Seçtiğiniz programa ait ");
static_assert(kApplied.size() < manifest::kAppliedAfter.size());
static_assert(kUndone.size() < manifest::kUndoneMessage.size());
static_assert(kNothingToUndo.size() < manifest::kNothingToUndoMessage.size());
// "Bu programa daha önceden XP Görünüm Stili desteği verilmiş": the
// question's first line.
inline constexpr std::string_view kStyleGivenBefore =
    manifest::kOverwriteQuestion.substr(0, manifest::kOverwriteQuestion.find('\r'));
inline constexpr std::string_view kNotFound = manifest::kNotFoundMessage;
inline constexpr std::string_view kApplyHeadline = manifest::kApplyHeadline;
inline constexpr std::string_view kUndoHeadline = manifest::kUndoHeadline;
inline constexpr std::string_view kNumberLabel = manifest::kNumberLabel;
inline constexpr std::string_view kDetailsLabel = manifest::kDetailsLabel;

// What a program is.
inline constexpr std::string_view kX86 = "32 bit x86";
inline constexpr std::string_view kX64 = "64 bit x64";
inline constexpr std::string_view kArm64 = "64 bit ARM64";
inline constexpr std::string_view kOtherMachine = "makine türü ";
inline constexpr std::string_view kProgram = " programı";
inline constexpr std::string_view kLibrary = " DLL'i";
inline constexpr std::string_view kNotWindowsProgram = "Windows programı değil";

// The manifest beside it.
inline constexpr std::string_view kManifestNone = "yanında manifest yok";
inline constexpr std::string_view kManifestOurs = "yanında bu programın yazdığı manifest var";
inline constexpr std::string_view kNotHiddenSystem = " (gizli ve sistem değil)";
inline constexpr std::string_view kManifestForeign = "yanında başka bir manifest var";
inline constexpr std::string_view kManifestNotAFile = "manifest adında bir klasör ya da özel dosya var";

// Its own manifest.
inline constexpr std::string_view kEmbeddedNone = "kendi manifesti yok";
inline constexpr std::string_view kEmbeddedV6 = "kendi manifesti ortak denetimler v6'yı istiyor";
inline constexpr std::string_view kEmbeddedNoV6 = "kendi manifesti var, ortak denetimler v6'yı istemiyor";
inline constexpr std::string_view kEmbeddedUnreadable = "kendi manifesti var ama okunamıyor";
inline constexpr std::string_view kEmbeddedWins =
    "Windows Vista ve sonrasında ve Wine'da programın kendi manifesti geçerlidir, yanındaki manifest yok sayılır";
inline constexpr std::string_view kEmbeddedAlreadyV6 = "programın kendi manifesti ortak denetimler v6'yı zaten istiyor";
inline constexpr std::string_view kEmbeddedPresent = "programın kendi manifesti var";

// Outcomes.
inline constexpr std::string_view kReplaced = " (önceki manifestin yerine)";
inline constexpr std::string_view kAlreadyApplied = "XP Görünüm Stili zaten uygulanmış, manifest değiştirilmedi";
inline constexpr std::string_view kUseForceToReplace = ", manifest değiştirilmedi (üzerine yazmak için --force)";
inline constexpr std::string_view kBlocked = ", dokunulmadı";
inline constexpr std::string_view kOnlyX86 = "XP Görünüm Stili yalnızca 32 bit x86 programlara uygulanır";
inline constexpr std::string_view kX86DependencyStops64 =
    "x86 ortak denetimler bağımlılığı 64 bit bir programın açılmasını engeller";
inline constexpr std::string_view kLibraryRefused = "bir DLL, program değil: Windows bir DLL'in yanındaki manifesti okumaz";
inline constexpr std::string_view kNotProgramRefused = "Windows programı değil, manifest yazılmadı";
inline constexpr std::string_view kForeignKept =
    "yanındaki manifest bu programın yazacağı manifest değil, silinmedi (programın üreticisinin olabilir; silmek için --force)";
inline constexpr std::string_view kForeignUndone = " (başka bir manifestti)";
inline constexpr std::string_view kFolder = "bir klasör; altındaki programlar için --recursive verin";
inline constexpr std::string_view kNotAFile = "normal bir dosya değil";
inline constexpr std::string_view kNoPrograms = "altında .exe dosyası yok";
inline constexpr std::string_view kStatusHeadline = "Program okunurken hata oluştu.";

}  // namespace kovrena::cli::text
