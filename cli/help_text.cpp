#include <string>

#include "cli/command_line.h"
#include "platform/product.h"
#include "resources/version.h"

namespace kovrena::cli {

namespace {

constexpr std::string_view kName = "kovrena-cli";

constexpr std::string_view kAbout =
    "Programların yanına, ortak denetimlerin 6. sürümünü (XP görünüm stili) isteyen\n"
    "manifesti yazar ya da o manifesti siler: <program yolu>.manifest, gizli ve\n"
    "sistem. 32 bit x86 programlar pencereli programın yazdığının aynısını alır; x64\n"
    "programlar amd64, .NET AnyCPU programlar \"*\" işlemci mimarili olanını.\n";

constexpr std::string_view kStatus =
    "  status   Her program için bir satır: program hangi işlemci için, yanında\n"
    "           manifest var mı (varsa bu aracın mı), programın kendi manifesti\n"
    "           var mı ve ortak denetimler v6'yı geçerli biçimde istiyor mu. '*'\n"
    "           ile işaretli satırlar için bkz. en alttaki dipnot.\n";
constexpr std::string_view kCheck =
    "  check    Her program için: iki manifest de yükleyicinin okuduğu gibi\n"
    "           denetlenir (XML, assembly kimliği, ortak denetimler v6 bağımlılığı,\n"
    "           publicKeyToken ve işlemci mimarisi), programın kendi manifestinin\n"
    "           öteki bağımlılıkları listelenir ve Windows XP'de, XP x64 / Server\n"
    "           2003 SP1 / Vista ve sonrasında ve Wine'da programın v6 alıp\n"
    "           almayacağı, neden almayacağıyla söylenir. PreferExternalManifest\n"
    "           Windows'ta okunur; Wine 8 bu ayarı okumaz.\n";
constexpr std::string_view kApply =
    "  apply    Manifesti yazar. Yanında başka bir manifest varsa --force olmadan\n"
    "           dokunmaz; bu aracın başka bir işlemci için yazdığını değiştirir.\n"
    "           DLL'lere ve başka işlemcilerin (ARM64…) programlarına yazmaz.\n"
    "           Programın kendi manifesti varsa XP x64, Server 2003 SP1 ve\n"
    "           sonrasında ve Wine'da o geçerlidir: yazılan manifest yalnızca\n"
    "           Windows XP'de etkilidir ve bu, çıkış durumu 3 ile bildirilir. Kendi\n"
    "           manifesti başka bileşenlere de bağlıysa (bir C çalışma zamanı\n"
    "           gibi) --force olmadan yazmaz: XP'de yanındaki manifest onları\n"
    "           gizler ve program açılmayabilir.\n";
constexpr std::string_view kUndo =
    "  undo     Manifesti siler; yalnızca bu aracın o program için yazacağı bir\n"
    "           manifesti (bayt bayt aynıysa), böylece programın üreticisinin\n"
    "           koyduğu manifest kaybolmaz. --force ile her manifesti siler.\n";
// Why apply and undo change the program's time, once after both.
constexpr std::string_view kProgramTime =
    "           apply ve undo, Vista ve sonrasında programın son değiştirilme\n"
    "           zamanını yeniler ki Windows sakladığı kararı bırakıp manifesti\n"
    "           yeniden okusun.\n";

constexpr std::string_view kForceOption =
    "  --force      apply: var olan manifestin yerine ve kendi manifesti başka\n"
    "               bileşenlere bağlı programa da yazar; undo: başka bir\n"
    "               manifesti de siler\n";
constexpr std::string_view kShowEmbeddedOption =
    "  --show-embedded  check: programın kendi manifestinin metnini de yazar\n";
constexpr std::string_view kOtherOptions =
    "  --recursive  klasör verilirse altındaki bütün .exe dosyaları; uzun süren\n"
    "               işte uçbirimde bir ilerleme satırı gösterir\n"
    "  --quiet      ilerleme satırını göstermez\n"
    "  --json       sonuçları tek bir JSON belgesi olarak standart çıktıya yazar;\n"
    "               geçerli UTF-8 olmayan bir yol \"path\" içinde U+FFFD ile,\n"
    "               \"pathBytes\" içinde baytlarıyla (onaltılık) yer alır\n"
    "  --           ardından gelen her şey PROGRAM'dır\n"
    "  -h, --help   bu yardımı gösterir\n"
    "  --version    sürümü gösterir\n";

constexpr std::string_view kExitCodes =
    "Çıkış durumu:\n"
    "  0  her program için istenen yapıldı\n"
    "  1  en az biri başarısız oldu: program bulunamadı ya da platform hata verdi\n"
    "  2  komut satırı anlaşılmadı\n"
    "  3  başarısız olan yok, ama en az biri reddedildi (DLL, başka manifest…),\n"
    "     yapılacak bir şey yoktu (zaten uygulanmış, geri alınacak manifest yok)\n"
    "     ya da yazılan manifest programın kendi manifesti yüzünden etkisiz\n"
    "Hatalar, platformun hata numarası ve açıklamasıyla standart hataya yazılır;\n"
    "--json ile de.\n";

std::string usageLine(Command command) {
  std::string line = "  " + std::string(kName) + " " + std::string(NameOf(command));
  if (command == Command::Apply || command == Command::Undo) line += " [--force]";
  if (command == Command::Check) line += " [--show-embedded]";
  return line + " [--recursive] [--quiet] [--json] PROGRAM...\n";
}

std::string_view description(Command command) {
  switch (command) {
    case Command::Status: return kStatus;
    case Command::Check: return kCheck;
    case Command::Apply: return kApply;
    case Command::Undo: return kUndo;
  }
  return {};
}

void addDescription(std::string& help, Command command) {
  help += description(command);
  if (command == Command::Undo) help += kProgramTime;
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
    addDescription(help, *command);
    if (*command == Command::Apply) help += kProgramTime;
  } else {
    for (const CommandName& each : kCommandNames) help += usageLine(each.command);
    help += std::string("  ") + std::string(kName) + " --help | --version\n";
    help += "\nKomutlar:\n";
    for (const CommandName& each : kCommandNames) addDescription(help, each.command);
  }
  help += "\nSeçenekler:\n";
  if (!command || command == Command::Apply || command == Command::Undo) help += kForceOption;
  if (!command || command == Command::Check) help += kShowEmbeddedOption;
  help += kOtherOptions;
  help += "\n";
  help += kExitCodes;
  return help;
}

}  // namespace kovrena::cli
