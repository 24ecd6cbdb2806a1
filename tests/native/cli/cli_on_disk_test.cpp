#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "manifest/check.h"
#include "manifest/manifest_text.h"
#include "tests/native/cli/cli_test_support.h"

namespace kovrena::cli {
namespace {

using testing::BuildPe;
using testing::EmbeddedManifestText;
using testing::exists;
using testing::PeRecipe;
using testing::rawDosAttrib;
using testing::readFile;
using testing::replaceAllOf;
using testing::TempFolder;
using testing::writeFile;

const std::string kName = "Eski Oyun.exe";
const std::string kOverriddenNote =
    ", ama programın kendi manifesti Windows XP x64, Server 2003 SP1 ve sonrasında ve Wine'da önceliklidir: "
    "manifest yalnızca Windows XP'de etkili";
const std::string kFootnote =
    "* Windows XP x64, Server 2003 SP1 ve sonrasında ve Wine'da programın kendi manifesti geçerlidir, yanındaki "
    "manifest yok sayılır (ayrıntı: kovrena-cli check PROGRAM)\n";
const std::string kWithRuntime = replaceAllOf(
    EmbeddedManifestText(false), "</assembly>",
    "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" name=\"Microsoft.VC90.CRT\" "
    "version=\"9.0.21022.8\" processorArchitecture=\"x86\" publicKeyToken=\"1fc8b3b9a1e18e3b\"/>"
    "</dependentAssembly></dependency></assembly>");

// One folder per scenario; "{d}" in arguments and expected texts stands for it.
struct Folder {
  std::string path;
  std::string operator/(const std::string& name) const { return path + "/" + name; }
  void program(const std::string& name, PeRecipe recipe = {}) const { writeFile(*this / name, BuildPe(recipe).bytes); }
  void ourManifest(const std::string& name) const {
    writeFile(*this / (name + ".manifest"), manifest::BuildManifestText(name));
  }
  std::optional<std::string> manifestOf(const std::string& name) const { return readFile(*this / (name + ".manifest")); }
};

struct Scenario {
  const char* name;
  std::function<void(const Folder&)> setup;
  std::vector<std::string> args;
  int exit;
  std::string out;
  std::string err;
  std::function<void(const Folder&)> check;
};

// path: below the scenario's folder; the manifest names the file only.
void expectOurs(const Folder& d, const std::string& path, const std::string& architecture = "x86") {
  const std::string name = path.substr(path.find_last_of('/') + 1);
  EXPECT_EQ(d.manifestOf(path), manifest::BuildManifestText(name, architecture));
  EXPECT_EQ(rawDosAttrib(d / (path + ".manifest")), "0x6");
}
void expectNoManifest(const Folder& d, const std::string& name) { EXPECT_FALSE(exists(d / (name + ".manifest"))); }

const std::vector<Scenario>& applyScenarios() {
  static const std::vector<Scenario> scenarios = {
      {"x86 program gets the manifest, Hidden+System",
       [](const Folder& d) { d.program(kName); }, {"apply", "{d}/" + kName}, kExitDone,
       "{d}/Eski Oyun.exe: XP Görünüm Stili uygulandı\n", "",
       [](const Folder& d) { expectOurs(d, kName); }},
      {"applying again leaves the engine's manifest as it is",
       [](const Folder& d) {
         d.program(kName);
         d.ourManifest(kName);
       },
       {"apply", "{d}/" + kName}, kExitDeclined, "{d}/Eski Oyun.exe: XP Görünüm Stili zaten uygulanmış, manifest değiştirilmedi\n", "",
       [](const Folder& d) {
         EXPECT_EQ(d.manifestOf(kName), manifest::BuildManifestText(kName));
         EXPECT_EQ(rawDosAttrib(d / (kName + ".manifest")), std::nullopt) << "not rewritten";
       }},
      {"a maker's manifest is kept without --force",
       [](const Folder& d) {
         d.program(kName);
         writeFile(d / (kName + ".manifest"), "<assembly/>");
       },
       {"apply", "{d}/" + kName}, kExitDeclined, "",
       "{d}/Eski Oyun.exe: yanında başka bir manifest var, manifest değiştirilmedi (üzerine yazmak için --force)\n",
       [](const Folder& d) { EXPECT_EQ(d.manifestOf(kName), "<assembly/>"); }},
      {"--force replaces a read-only maker's manifest",
       [](const Folder& d) {
         d.program(kName);
         writeFile(d / (kName + ".manifest"), "<assembly/>");
         ::chmod((d / (kName + ".manifest")).c_str(), 0444);
       },
       {"apply", "--force", "{d}/" + kName}, kExitDone, "{d}/Eski Oyun.exe: XP Görünüm Stili uygulandı (önceki manifestin yerine)\n",
       "", [](const Folder& d) { expectOurs(d, kName); }},
      {"x64 program gets the amd64 manifest",
       [](const Folder& d) { d.program("x64.exe", PeRecipe().forMachine(program::machine::kX64)); }, {"apply", "{d}/x64.exe"},
       kExitDone, "{d}/x64.exe: XP Görünüm Stili uygulandı\n", "",
       [](const Folder& d) { expectOurs(d, "x64.exe", "amd64"); }},
      {"AnyCPU .NET program gets the \"*\" manifest",
       [](const Folder& d) { d.program("net.exe", PeRecipe().managed(program::cor::kIlOnly)); }, {"apply", "{d}/net.exe"},
       kExitDone, "{d}/net.exe: XP Görünüm Stili uygulandı\n", "",
       [](const Folder& d) { expectOurs(d, "net.exe", "*"); }},
      {"the window program's x86 manifest beside an x64 program is replaced unasked",
       [](const Folder& d) {
         d.program("x64.exe", PeRecipe().forMachine(program::machine::kX64));
         d.ourManifest("x64.exe");
       },
       {"apply", "{d}/x64.exe"}, kExitDone, "{d}/x64.exe: XP Görünüm Stili uygulandı (önceki manifestin yerine)\n", "",
       [](const Folder& d) { expectOurs(d, "x64.exe", "amd64"); }},
      {"ARM64 program is refused",
       [](const Folder& d) { d.program("arm.exe", PeRecipe().forMachine(program::machine::kArm64)); }, {"apply", "{d}/arm.exe"}, kExitDeclined, "",
       "{d}/arm.exe: 64 bit ARM64 programı: bu işlemci için manifest yazılmaz (x86, x64 ve .NET AnyCPU "
       "programlarına uygulanır)\n",
       [](const Folder& d) { expectNoManifest(d, "arm.exe"); }},
      {"program for another processor is refused",
       [](const Folder& d) { d.program("ce.exe", PeRecipe().forMachine(0x01C4)); }, {"apply", "{d}/ce.exe"}, kExitDeclined, "",
       "{d}/ce.exe: makine türü 0x01C4 programı: bu işlemci için manifest yazılmaz (x86, x64 ve .NET AnyCPU "
       "programlarına uygulanır)\n",
       [](const Folder& d) { expectNoManifest(d, "ce.exe"); }},
      {"a program whose own manifest needs a C runtime is left alone",
       [](const Folder& d) { d.program(kName, PeRecipe().withManifest(kWithRuntime)); }, {"apply", "{d}/" + kName},
       kExitDeclined, "",
       "{d}/Eski Oyun.exe: programın kendi manifesti başka bileşenlere de bağlı (Microsoft.VC90.CRT 9.0.21022.8 "
       "(x86)); Windows XP'de yanındaki manifest onları gizler ve program açılmayabilir, manifest yazılmadı (yine de "
       "yazmak için --force)\n",
       [](const Folder& d) { expectNoManifest(d, kName); }},
      {"DLL is refused",
       [](const Folder& d) { d.program("kitaplik.exe", PeRecipe().asDll()); }, {"apply", "{d}/kitaplik.exe"}, kExitDeclined, "",
       "{d}/kitaplik.exe: bir DLL, program değil: Windows bir DLL'in yanındaki manifesti okumaz\n",
       [](const Folder& d) { expectNoManifest(d, "kitaplik.exe"); }},
      {"text file is refused",
       [](const Folder& d) { writeFile(d / "not.exe", "MZ but no more"); }, {"apply", "{d}/not.exe"}, kExitDeclined, "",
       "{d}/not.exe: Windows programı değil, manifest yazılmadı\n",
       [](const Folder& d) { expectNoManifest(d, "not.exe"); }},
      {"missing program", [](const Folder&) {}, {"apply", "{d}/yok.exe"}, kExitFailed, "",
       "{d}/yok.exe: Belirttiğiniz dosya bulunamadı\n", [](const Folder& d) { expectNoManifest(d, "yok.exe"); }},
      {"folder without --recursive", [](const Folder& d) { ::mkdir((d / "alt").c_str(), 0755); }, {"apply", "{d}/alt"},
       kExitDeclined, "", "{d}/alt: bir klasör; altındaki programlar için --recursive verin\n", nullptr},
      {"folder named like the manifest is left alone",
       [](const Folder& d) {
         d.program(kName);
         ::mkdir((d / (kName + ".manifest")).c_str(), 0755);
       },
       {"apply", "--force", "{d}/" + kName}, kExitDeclined, "",
       "{d}/Eski Oyun.exe: manifest adında bir klasör ya da özel dosya var, dokunulmadı\n",
       [](const Folder& d) { EXPECT_TRUE(exists(d / (kName + ".manifest/."))); }},
      {"program with its own manifest: written, but it takes precedence after XP",
       [](const Folder& d) { d.program(kName, PeRecipe().withManifest(EmbeddedManifestText(true))); }, {"apply", "{d}/" + kName}, kExitDeclined,
       "{d}/Eski Oyun.exe: XP Görünüm Stili uygulandı" + kOverriddenNote + "\n", "",
       [](const Folder& d) { expectOurs(d, kName); }},
      {"one good, one missing: the good one is done, the run failed",
       [](const Folder& d) { d.program("a.exe"); }, {"apply", "{d}/yok.exe", "{d}/a.exe"}, kExitFailed,
       "{d}/a.exe: XP Görünüm Stili uygulandı\n", "{d}/yok.exe: Belirttiğiniz dosya bulunamadı\n",
       [](const Folder& d) { expectOurs(d, "a.exe"); }},
      {"names that cannot stand in a well-formed manifest are refused with the reason",
       [](const Folder& d) {
         d.program("a\x01.exe");
         d.program("b\xFF.exe");
       },
       {"apply", "{d}/a\x01.exe", "{d}/b\xFF.exe"}, kExitDeclined, "",
       "{d}/a?.exe: adında manifeste yazılamayan karakterler var (geçersiz UTF-8 ya da denetim karakteri), manifest "
       "yazılmadı\n"
       "{d}/b\\xFF.exe: adında manifeste yazılamayan karakterler var (geçersiz UTF-8 ya da denetim karakteri), "
       "manifest yazılmadı\n",
       [](const Folder& d) {
         EXPECT_FALSE(exists(d / "a\x01.exe.manifest"));
         EXPECT_FALSE(exists(d / "b\xFF.exe.manifest"));
       }},
      {"a dangling link at the manifest path creates nothing through it",
       [](const Folder& d) {
         d.program(kName);
         ::symlink((d / "hedef").c_str(), (d / (kName + ".manifest")).c_str());
       },
       {"apply", "{d}/" + kName}, kExitDeclined, "",
       "{d}/Eski Oyun.exe: yanında başka bir manifest var, manifest değiştirilmedi (üzerine yazmak için --force)\n",
       [](const Folder& d) { EXPECT_FALSE(exists(d / "hedef")); }},
      {"--force replaces a link, never what it points at",
       [](const Folder& d) {
         d.program(kName);
         writeFile(d / "kurban", "başkasının dosyası");
         ::chmod((d / "kurban").c_str(), 0444);
         ::symlink((d / "kurban").c_str(), (d / (kName + ".manifest")).c_str());
       },
       {"apply", "--force", "{d}/" + kName}, kExitDone,
       "{d}/Eski Oyun.exe: XP Görünüm Stili uygulandı (önceki manifestin yerine)\n", "",
       [](const Folder& d) {
         expectOurs(d, kName);
         EXPECT_EQ(readFile(d / "kurban"), "başkasının dosyası");
         EXPECT_EQ(rawDosAttrib(d / "kurban"), std::nullopt);
         struct stat info {};
         ASSERT_EQ(::stat((d / "kurban").c_str(), &info), 0);
         EXPECT_EQ(info.st_mode & 0777, 0444u);
       }},
  };
  return scenarios;
}

const std::vector<Scenario>& undoScenarios() {
  static const std::vector<Scenario> scenarios = {
      {"the engine's manifest is deleted",
       [](const Folder& d) {
         d.program(kName);
         d.ourManifest(kName);
       },
       {"undo", "{d}/" + kName}, kExitDone, "{d}/Eski Oyun.exe: XP Stili Görünüm düzenlemesi geri alındı\n", "",
       [](const Folder& d) {
         expectNoManifest(d, kName);
         EXPECT_TRUE(exists(d / kName));
       }},
      {"a maker's manifest is refused",
       [](const Folder& d) {
         d.program(kName);
         writeFile(d / (kName + ".manifest"), manifest::BuildManifestText(kName) + " ");
       },
       {"undo", "{d}/" + kName}, kExitDeclined, "",
       "{d}/Eski Oyun.exe: yanındaki manifest bu programın yazacağı manifest değil, silinmedi (programın üreticisinin "
       "olabilir; silmek için --force)\n",
       [](const Folder& d) { EXPECT_EQ(d.manifestOf(kName), manifest::BuildManifestText(kName) + " "); }},
      {"the manifest written for another name is another manifest",
       [](const Folder& d) {
         d.program(kName);
         writeFile(d / (kName + ".manifest"), manifest::BuildManifestText("eski oyun.exe"));
       },
       {"undo", "{d}/" + kName}, kExitDeclined, "",
       "{d}/Eski Oyun.exe: yanındaki manifest bu programın yazacağı manifest değil, silinmedi (programın üreticisinin "
       "olabilir; silmek için --force)\n",
       nullptr},
      {"--force deletes a maker's manifest",
       [](const Folder& d) {
         d.program(kName);
         writeFile(d / (kName + ".manifest"), "<assembly/>");
       },
       {"undo", "--force", "{d}/" + kName}, kExitDone,
       "{d}/Eski Oyun.exe: XP Stili Görünüm düzenlemesi geri alındı (başka bir manifestti)\n", "",
       [](const Folder& d) { expectNoManifest(d, kName); }},
      {"nothing to undo is what was asked",
       [](const Folder& d) { d.program(kName); }, {"undo", "{d}/" + kName}, kExitDeclined,
       "{d}/Eski Oyun.exe: daha önceden programımız tarafından yapılmış bir XP Stili Görünüm düzenlemesi bulunamadı\n",
       "", nullptr},
      {"neither program nor manifest", [](const Folder&) {}, {"undo", "{d}/yok.exe"}, kExitFailed, "",
       "{d}/yok.exe: Belirttiğiniz dosya bulunamadı\n", nullptr},
      {"a manifest that outlived its program is removed",
       [](const Folder& d) { d.ourManifest("silinmiş.exe"); }, {"undo", "{d}/silinmiş.exe"}, kExitDone,
       "{d}/silinmiş.exe: XP Stili Görünüm düzenlemesi geri alındı\n", "",
       [](const Folder& d) { expectNoManifest(d, "silinmiş.exe"); }},
      {"a folder named like the manifest stays",
       [](const Folder& d) {
         d.program(kName);
         ::mkdir((d / (kName + ".manifest")).c_str(), 0755);
       },
       {"undo", "--force", "{d}/" + kName}, kExitDeclined, "",
       "{d}/Eski Oyun.exe: manifest adında bir klasör ya da özel dosya var, dokunulmadı\n",
       [](const Folder& d) { EXPECT_TRUE(exists(d / (kName + ".manifest/."))); }},
      {"a link under the manifest's name that leads round to itself stays, even with --force",
       [](const Folder& d) {
         d.program(kName);
         ASSERT_EQ(::symlink((kName + ".manifest").c_str(), (d / (kName + ".manifest")).c_str()), 0);
       },
       {"undo", "--force", "{d}/" + kName}, kExitDeclined, "",
       "{d}/Eski Oyun.exe: manifest adında bir klasör ya da özel dosya var, dokunulmadı\n",
       [](const Folder& d) { EXPECT_TRUE(std::filesystem::is_symlink(d / (kName + ".manifest"))); }},
      {"every manifest the tool writes for an x64 program is its own",
       [](const Folder& d) {
         d.program("a.exe", PeRecipe().forMachine(program::machine::kX64));
         writeFile(d / "a.exe.manifest", manifest::BuildManifestText("a.exe", "amd64"));
         d.program("b.exe", PeRecipe().forMachine(program::machine::kX64));
         d.ourManifest("b.exe");
       },
       {"undo", "{d}/a.exe", "{d}/b.exe"}, kExitDone,
       "{d}/a.exe: XP Stili Görünüm düzenlemesi geri alındı\n{d}/b.exe: XP Stili Görünüm düzenlemesi geri alındı\n", "",
       [](const Folder& d) {
         expectNoManifest(d, "a.exe");
         expectNoManifest(d, "b.exe");
       }},
      {"the tool's amd64 manifest beside a program since replaced by its x86 build is the tool's",
       [](const Folder& d) {
         d.program("a.exe");
         writeFile(d / "a.exe.manifest", manifest::BuildManifestText("a.exe", "amd64"));
       },
       {"undo", "{d}/a.exe"}, kExitDone, "{d}/a.exe: XP Stili Görünüm düzenlemesi geri alındı\n", "",
       [](const Folder& d) { expectNoManifest(d, "a.exe"); }},
      {"a \"*\" manifest that outlived its program is removed",
       [](const Folder& d) { writeFile(d / "net.exe.manifest", manifest::BuildManifestText("net.exe", "*")); },
       {"undo", "{d}/net.exe"}, kExitDone, "{d}/net.exe: XP Stili Görünüm düzenlemesi geri alındı\n", "",
       [](const Folder& d) { expectNoManifest(d, "net.exe"); }},
      {"a manifest named in capitals, as Wine loads it, is the one undone",
       [](const Folder& d) {
         d.program(kName);
         writeFile(d / "ESKI OYUN.EXE.MANIFEST", manifest::BuildManifestText(kName));
       },
       {"undo", "{d}/" + kName}, kExitDone, "{d}/Eski Oyun.exe: XP Stili Görünüm düzenlemesi geri alındı\n", "",
       [](const Folder& d) { EXPECT_FALSE(exists(d / "ESKI OYUN.EXE.MANIFEST")); }},
      {"a link to the engine's bytes is not the manifest; --force removes only the link",
       [](const Folder& d) {
         d.program(kName);
         d.ourManifest("kurban.exe");
         ::symlink((d / "kurban.exe.manifest").c_str(), (d / (kName + ".manifest")).c_str());
       },
       {"undo", "--force", "{d}/" + kName}, kExitDone,
       "{d}/Eski Oyun.exe: XP Stili Görünüm düzenlemesi geri alındı (başka bir manifestti)\n", "",
       [](const Folder& d) {
         expectNoManifest(d, kName);
         EXPECT_EQ(d.manifestOf("kurban.exe"), manifest::BuildManifestText("kurban.exe"));
       }},
  };
  return scenarios;
}

const std::vector<Scenario>& statusAndFolderScenarios() {
  static const std::vector<Scenario> scenarios = {
      {"status of each kind of file",
       [](const Folder& d) {
         d.program("a.exe");
         d.ourManifest("a.exe");
         d.program("b.exe", PeRecipe().forMachine(program::machine::kX64).withManifest(EmbeddedManifestText(false)));
         writeFile(d / "b.exe.manifest", "<assembly/>");
         d.program("c.dll", PeRecipe().asDll().withManifest(EmbeddedManifestText(true)));
         writeFile(d / "d.txt", "metin");
       },
       {"status", "{d}/a.exe", "{d}/b.exe", "{d}/c.dll", "{d}/d.txt", "{d}/e.exe"}, kExitFailed,
       "32 bit x86 programı          yanında: bu aracın (gizli/sistem değil)  kendi: yok             {d}/a.exe\n"
       "64 bit x64 programı          yanında: başka                           kendi: v6 istemiyor *  {d}/b.exe\n"
       "32 bit x86 DLL'i             yanında: yok                             kendi: v6 istiyor *    {d}/c.dll\n"
       "Windows programı değil       yanında: yok                                                    {d}/d.txt\n" + kFootnote,
       "{d}/e.exe: Belirttiğiniz dosya bulunamadı\n", nullptr},
      {"apply --recursive: every .exe below, in name order; links to folders not followed",
       [](const Folder& d) {
         ::mkdir((d / "Oyunlar").c_str(), 0755);
         ::mkdir((d / "Oyunlar/Eski").c_str(), 0755);
         d.program("Oyunlar/Eski/KURULUM.EXE");
         d.program("Oyunlar/b.exe");
         d.program("Oyunlar/a.exe");
         writeFile(d / "Oyunlar/beniOku.txt", "metin");
         d.program("Oyunlar/kitaplik.dll");
         ::symlink(d.path.c_str(), (d / "Oyunlar/geri").c_str());
         ::symlink((d / "Oyunlar/a.exe").c_str(), (d / "Oyunlar/kısayol.exe").c_str());
       },
       {"apply", "--recursive", "{d}/Oyunlar"}, kExitDone,
       "{d}/Oyunlar/Eski/KURULUM.EXE: XP Görünüm Stili uygulandı\n"
       "{d}/Oyunlar/a.exe: XP Görünüm Stili uygulandı\n"
       "{d}/Oyunlar/b.exe: XP Görünüm Stili uygulandı\n"
       "{d}/Oyunlar/kısayol.exe: XP Görünüm Stili uygulandı\n",
       "",
       [](const Folder& d) {
         expectOurs(d, "Oyunlar/Eski/KURULUM.EXE");
         expectNoManifest(d, "Oyunlar/kitaplik.dll");
         expectNoManifest(d, "Oyunlar/beniOku.txt");
       }},
      {"--recursive with a program it must refuse ends as declined",
       [](const Folder& d) {
         d.program("a.exe");
         d.program("b.dll.exe", PeRecipe().asDll());
       },
       {"apply", "--recursive", "{d}"}, kExitDeclined, "{d}/a.exe: XP Görünüm Stili uygulandı\n",
       "{d}/b.dll.exe: bir DLL, program değil: Windows bir DLL'in yanındaki manifesti okumaz\n",
       nullptr},
      {"undo --recursive removes only the engine's manifests",
       [](const Folder& d) {
         d.program("a.exe");
         d.ourManifest("a.exe");
         d.program("b.exe");
         writeFile(d / "b.exe.manifest", "<assembly/>");
         d.program("c.exe");
       },
       {"undo", "--recursive", "{d}"}, kExitDeclined,
       "{d}/a.exe: XP Stili Görünüm düzenlemesi geri alındı\n"
       "{d}/c.exe: daha önceden programımız tarafından yapılmış bir XP Stili Görünüm düzenlemesi bulunamadı\n",
       "{d}/b.exe: yanındaki manifest bu programın yazacağı manifest değil, silinmedi (programın üreticisinin "
       "olabilir; silmek için --force)\n",
       [](const Folder& d) {
         expectNoManifest(d, "a.exe");
         EXPECT_EQ(d.manifestOf("b.exe"), "<assembly/>");
       }},
      {"check: both manifests judged for each system, the program's other dependencies listed",
       [](const Folder& d) {
         d.program(kName, PeRecipe().withManifest(kWithRuntime));
         writeFile(d / (kName + ".manifest"),
                   replaceAllOf(manifest::BuildManifestText(kName), "6595b64144ccf1df", "0000000000000000"));
       },
       {"check", "{d}/" + kName}, kExitDone,
       "{d}/Eski Oyun.exe:\n"
       "  program: 32 bit x86 programı\n"
       "  yanındaki manifest: başka bir dosya; ortak denetimler v6'yı yanlış publicKeyToken ile istiyor: "
       "0000000000000000\n"
       "  kendi manifesti: ortak denetimler v6'yı istemiyor; öteki bağımlılıkları: Microsoft.VC90.CRT 9.0.21022.8 "
       "(x86)\n"
       "  Windows XP: program açılmaz (yan yana yapılandırma hatası) (yanındaki manifestten: ortak denetimler v6'yı "
       "yanlış publicKeyToken ile istiyor: 0000000000000000)\n"
       "  Windows XP x64, Server 2003 SP1, Vista ve sonrası: sistemin ortak denetimleri, v6 değil (kendi "
       "manifestinden: ortak denetimler v6'yı istemiyor)\n"
       "  Wine: sistemin ortak denetimleri, v6 değil (kendi manifestinden: ortak denetimler v6'yı istemiyor)\n"
       "  PreferExternalManifest: Wine 8 bu ayarı okumaz\n"
       "Not: Windows Vista ve sonrası bir programın manifestini bir kez okuyup saklar; program çalıştıktan sonra "
       "eklenen ya da değişen manifest, programın son değiştirilme zamanı değişince okunur.\n",
       "", nullptr},
      {"a link loop at the manifest path is no manifest to any loader",
       [](const Folder& d) {
         d.program("a.exe");
         ::symlink((d / "a.exe.manifest").c_str(), (d / "a.exe.manifest").c_str());
       },
       {"check", "{d}/a.exe"}, kExitDone,
       "{d}/a.exe:\n  program: 32 bit x86 programı\n  yanındaki manifest: klasör ya da özel dosya, okunmaz\n"
       "  kendi manifesti: yok\n  Windows XP: sistemin ortak denetimleri, v6 değil (manifest yok)\n"
       "  Windows XP x64, Server 2003 SP1, Vista ve sonrası: sistemin ortak denetimleri, v6 değil (manifest yok)\n"
       "  Wine: sistemin ortak denetimleri, v6 değil (manifest yok)\n  PreferExternalManifest: Wine 8 bu ayarı okumaz\n"
       "Not: Windows Vista ve sonrası bir programın manifestini bir kez okuyup saklar; program çalıştıktan sonra "
       "eklenen ya da değişen manifest, programın son değiştirilme zamanı değişince okunur.\n",
       "", nullptr},
      {"check --show-embedded prints the program's own manifest",
       [](const Folder& d) { d.program("a.exe", PeRecipe().forMachine(program::machine::kX64).withManifest(EmbeddedManifestText(true))); },
       {"check", "--show-embedded", "{d}/a.exe"}, kExitDone,
       "{d}/a.exe:\n"
       "  program: 64 bit x64 programı\n"
       "  yanındaki manifest: yok\n"
       "  kendi manifesti: ortak denetimler v6'yı istiyor\n"
       "  Windows XP: 64 bit program, 32 bit Windows XP'de çalışmaz\n"
       "  Windows XP x64, Server 2003 SP1, Vista ve sonrası: ortak denetimler v6 (kendi manifestinden: ortak "
       "denetimler v6'yı istiyor)\n"
       "  Wine: ortak denetimler v6 (kendi manifestinden: ortak denetimler v6'yı istiyor)\n"
       "  PreferExternalManifest: Wine 8 bu ayarı okumaz\n"
       "  kendi manifestinin metni:\n" + EmbeddedManifestText(true) +
       "Not: Windows Vista ve sonrası bir programın manifestini bir kez okuyup saklar; program çalıştıktan sonra "
       "eklenen ya da değişen manifest, programın son değiştirilme zamanı değişince okunur.\n",
       "", nullptr},
      {"apply --force writes beside a program whose own manifest needs a C runtime",
       [](const Folder& d) { d.program(kName, PeRecipe().withManifest(kWithRuntime)); },
       {"apply", "--force", "{d}/" + kName}, kExitDeclined,
       "{d}/Eski Oyun.exe: XP Görünüm Stili uygulandı" + kOverriddenNote + "\n", "",
       [](const Folder& d) { expectOurs(d, kName); }},
      {"status sees a manifest named in other letter case",
       [](const Folder& d) {
         d.program("a.exe");
         writeFile(d / "A.EXE.MANIFEST", "<assembly/>");
       },
       {"status", "{d}/a.exe"}, kExitDone, "32 bit x86 programı          yanında: başka                           kendi: yok             {d}/a.exe\n",
       "", nullptr},
      {"apply --force replaces it in its own name: never two manifests",
       [](const Folder& d) {
         d.program("a.exe");
         writeFile(d / "A.EXE.MANIFEST", "<assembly/>");
       },
       {"apply", "--force", "{d}/a.exe"}, kExitDone, "{d}/a.exe: XP Görünüm Stili uygulandı (önceki manifestin yerine)\n", "",
       [](const Folder& d) {
         EXPECT_EQ(readFile(d / "A.EXE.MANIFEST"), manifest::BuildManifestText("a.exe"));
         EXPECT_FALSE(exists(d / "a.exe.manifest"));
       }},
      {"a folder without programs", [](const Folder& d) { writeFile(d / "a.txt", ""); },
       {"status", "--recursive", "{d}"}, kExitDeclined, "{d}: altında .exe dosyası yok\n", "", nullptr},
      {"--recursive with a file and a missing path",
       [](const Folder& d) { d.program("a.exe"); }, {"status", "--recursive", "{d}/a.exe", "{d}/yok"}, kExitFailed,
       "32 bit x86 programı          yanında: yok                             kendi: yok             {d}/a.exe\n",
       "{d}/yok: Belirttiğiniz dosya bulunamadı\n", nullptr},
  };
  return scenarios;
}

void runScenarios(const std::vector<Scenario>& scenarios) {
  TempFolder root;
  ASSERT_TRUE(root.ok());
  int index = 0;
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.name);
    const Folder d{root / std::to_string(index++)};
    ASSERT_EQ(::mkdir(d.path.c_str(), 0755), 0);
    s.setup(d);
    std::vector<std::string> args;
    for (const std::string& arg : s.args) args.push_back(replaceAllOf(arg, "{d}", d.path));
    kovrena::posix::PosixFileSystem files;
    const testing::CliRun run = testing::RunCliWith(args, files);
    EXPECT_EQ(run.exit, s.exit);
    EXPECT_EQ(run.out, replaceAllOf(s.out, "{d}", d.path));
    EXPECT_EQ(run.err, replaceAllOf(s.err, "{d}", d.path));
    if (s.check) s.check(d);
  }
}

TEST(CliOnDiskTest, Apply) { runScenarios(applyScenarios()); }
TEST(CliOnDiskTest, Undo) { runScenarios(undoScenarios()); }
TEST(CliOnDiskTest, StatusAndFolders) { runScenarios(statusAndFolderScenarios()); }

// The whole round, and the bytes against the engine's, with a name that
// needs escaping in the document.
TEST(CliOnDiskTest, ApplyThenUndoLeavesTheFolderAsItWas) {
  TempFolder d;
  ASSERT_TRUE(d.ok());
  const std::string program = d / "Ses & Görüntü.exe";
  writeFile(program, BuildPe({}).bytes);
  kovrena::posix::PosixFileSystem files;
  EXPECT_EQ(testing::RunCliWith({"apply", program}, files).exit, kExitDone);
  const std::optional<std::string> written = readFile(program + ".manifest");
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, manifest::BuildManifestText("Ses & Görüntü.exe"));
  EXPECT_NE(written->find("name=\"Ses &amp; Görüntü.exe\"/>"), std::string::npos);
  EXPECT_EQ(testing::RunCliWith({"status", program}, files).out,
            "32 bit x86 programı          yanında: bu aracın                       kendi: yok             " + program + "\n");
  EXPECT_EQ(testing::RunCliWith({"undo", program}, files).exit, kExitDone);
  EXPECT_FALSE(exists(program + ".manifest"));
  EXPECT_EQ(readFile(program), BuildPe({}).bytes);
}

}  // namespace
}  // namespace kovrena::cli
