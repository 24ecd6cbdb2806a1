#include <string>

#include "cli/command_line.h"
#include "platform/product.h"
#include "resources/version.h"

namespace kovrena::cli {

namespace {

constexpr std::string_view kName = "kovrena-cli";

constexpr std::string_view kAbout =
    "Programların yanına, ortak denetimlerin 6. sürümünü (XP görünüm stili) isteyen\n"
    "manifesti yazar ya da o manifesti siler. Yazılan dosya pencereli programın\n"
    "yazdığının aynısıdır: <program yolu>.manifest, gizli ve sistem.\n";

constexpr std::string_view kStatus =
    "  status   Her program için bir satır: yanında manifest var mı (varsa bu\n"
    "           programın yazacağının aynısı mı), program hangi işlemci için\n"
    "           (x86, x64, ARM64 ya da Windows programı değil), programın kendi\n"
    "           manifesti var mı ve ortak denetimler v6'yı istiyor mu. Windows\n"
    "           Vista ve sonrasında ve Wine'da programın kendi manifesti\n"
    "           geçerlidir, yanındaki yok sayılır.\n";
constexpr std::string_view kApply =
    "  apply    Manifesti yazar. Yanında başka bir manifest varsa --force\n"
    "           olmadan dokunmaz. Yalnızca 32 bit x86 programlara uygulanır: x86\n"
    "           bağımlılığı 64 bit bir programın açılmasını engeller.\n";
constexpr std::string_view kUndo =
    "  undo     Manifesti siler; yalnızca bu programın yazacağı manifesti (bayt\n"
    "           bayt aynıysa), böylece programın üreticisinin koyduğu manifest\n"
    "           kaybolmaz. --force ile her manifesti siler.\n";

constexpr std::string_view kForceOption =
    "  --force      apply: var olan manifestin yerine yazar; undo: başka bir\n"
    "               manifesti de siler\n";
constexpr std::string_view kOtherOptions =
    "  --recursive  klasör verilirse altındaki bütün .exe dosyaları\n"
    "  --json       sonuçları tek bir JSON belgesi olarak standart çıktıya yazar\n"
    "  -h, --help   bu yardımı gösterir\n"
    "  --version    sürümü gösterir\n";

constexpr std::string_view kExitCodes =
    "Çıkış durumu:\n"
    "  0  her program için istenen yapıldı\n"
    "  1  en az biri başarısız oldu: program bulunamadı ya da platform hata verdi\n"
    "  2  komut satırı anlaşılmadı\n"
    "  3  başarısız olan yok, ama en az biri reddedildi (DLL, başka manifest…) ya da\n"
    "     yapılacak bir şey yoktu (zaten uygulanmış, geri alınacak manifest yok)\n"
    "Hatalar, platformun hata numarası ve açıklamasıyla standart hataya yazılır;\n"
    "--json ile de.\n";

std::string usageLine(Command command) {
  std::string line = "  " + std::string(kName) + " " + std::string(NameOf(command));
  if (command != Command::Status) line += " [--force]";
  return line + " [--recursive] [--json] PROGRAM...\n";
}

std::string_view description(Command command) {
  switch (command) {
    case Command::Status: return kStatus;
    case Command::Apply: return kApply;
    case Command::Undo: return kUndo;
  }
  return {};
}

}  // namespace

std::string VersionText() {
  return std::string(kName) + " " + KOVRENA_VERSION_TEXT + "\n";
}

std::string HelpText(std::optional<Command> command) {
  std::string help = VersionText();
  help += kAbout;
  help += "\nKullanım:\n";
  if (command) {
    help += usageLine(*command);
    help += "\n";
    help += description(*command);
  } else {
    for (const CommandName& each : kCommandNames) help += usageLine(each.command);
    help += std::string("  ") + std::string(kName) + " --help | --version\n";
    help += "\nKomutlar:\n";
    for (const CommandName& each : kCommandNames) help += description(each.command);
  }
  help += "\nSeçenekler:\n";
  if (command != Command::Status) help += kForceOption;
  help += kOtherOptions;
  help += "\n";
  help += kExitCodes;
  return help;
}

}  // namespace kovrena::cli
