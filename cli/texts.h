#pragma once
// The command line's own Turkish words. What it says of an outcome, and the
// words it shares with the window program, are the outcome table's
// (outcomes/texts.h).
#include <string_view>

#include "outcomes/texts.h"

namespace kovrena::cli::text {

using namespace outcomes::text;

// The footnote that the status columns' '*' points to, and check's note.
inline constexpr std::string_view kPrecedence =
    "Windows XP x64, Server 2003 SP1 ve sonrasında ve Wine'da programın kendi manifesti geçerlidir, yanındaki "
    "manifest yok sayılır";
inline constexpr std::string_view kSeeCheck = " (ayrıntı: kovrena-cli check PROGRAM)";
inline constexpr std::string_view kCacheNote =
    "Not: Windows Vista ve sonrası bir programın manifestini bir kez okuyup saklar; program çalıştıktan sonra "
    "eklenen ya da değişen manifest, programın son değiştirilme zamanı değişince okunur.";

// check.
inline constexpr std::string_view kCheckProgram = "  program: ";
inline constexpr std::string_view kCheckExternal = "  yanındaki manifest: ";
inline constexpr std::string_view kCheckEmbedded = "  kendi manifesti: ";
inline constexpr std::string_view kCheckOthers = "; öteki bağımlılıkları: ";
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

// The JSON document waits in a spool until its "ok" is known.
inline constexpr std::string_view kSpoolLost = "kovrena-cli: JSON belgesinin bekletilen kısmı geri okunamadı: ";
// The line on a terminal while a long walk goes on: "1200 / 5000 program  /mnt/eski".
inline constexpr std::string_view kProgressPrograms = " program  ";

}  // namespace kovrena::cli::text
