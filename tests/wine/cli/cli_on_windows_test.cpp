// kovrena-cli.exe as a Windows user meets it: started as a process, its
// arguments as UTF-16, its words on redirected streams, its files judged by
// the Windows file API.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "manifest/check.h"
#include "manifest/manifest_text.h"
#include "platform/win32/last_error.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "resources/version.h"
#include "tests/fakes/pe_builder.h"
#include "tests/native/cli/cli_own_manifest.h"
#include "tests/wine/platform/win_files.h"
#include "tests/wine/support/child_process.h"
#include "tests/wine/support/windows_path.h"

namespace kovrena::cli {
namespace {

using kovrena::testing::attributesOf;
using kovrena::testing::BuildPe;
using kovrena::testing::ChildProcess;
using kovrena::testing::EmbeddedManifestText;
using kovrena::testing::PeRecipe;
using kovrena::testing::QuotedArgument;
using kovrena::testing::readBytes;
using kovrena::testing::TempDir;
using kovrena::testing::writeBytes;
using kovrena::win32::ToUtf8;
using kovrena::win32::ToWide;

constexpr DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A build path is a host path; Wine shows the host's root as Z:.
using kovrena::testing::windowsPathTextOf;

struct Process {
  DWORD exit = 0xFFFFFFFF;
  std::string out;
  std::string err;
};

// The whole file, whoever else still has it open.
std::string readShared(const std::wstring& path) {
  const kovrena::win32::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_EXISTING, 0, nullptr));
  if (!file) return "(unreadable)";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got != 0) bytes.append(buffer, got);
  return bytes;
}

// Runs kovrena-cli.exe; its two streams go to files of their own, new for
// each run. Detached: no console is made for it, so nothing but the
// program holds the files (a console host would inherit them too).
Process runCli(const std::vector<std::string>& args, const TempDir& folder) {
  static int runs = 0;
  const std::string exe = windowsPathTextOf(KOVRENA_CLI_EXE);
  std::wstring arguments;
  for (const std::string& arg : args) arguments += (arguments.empty() ? L"" : L" ") + QuotedArgument(ToWide(arg));
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const std::wstring run = std::to_wstring(++runs);
  const std::wstring outPath = folder.wide() + L"\\.out" + run;
  const std::wstring errPath = folder.wide() + L"\\.err" + run;
  constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  kovrena::win32::UniqueHandle out(
      CreateFileW(outPath.c_str(), GENERIC_WRITE, kShareAll, &inherit, CREATE_ALWAYS, 0, nullptr));
  kovrena::win32::UniqueHandle err(
      CreateFileW(errPath.c_str(), GENERIC_WRITE, kShareAll, &inherit, CREATE_ALWAYS, 0, nullptr));
  Process result;
  {
    const ChildProcess cli(ToWide(exe), arguments, {out.get(), err.get()}, DETACHED_PROCESS);
    cli.waitForExit(60000);
    if (cli.started()) result.exit = cli.exitCode();
  }
  out.reset();
  err.reset();
  result.out = readShared(outPath);
  result.err = readShared(errPath);
  return result;
}

// The lines of a text, sorted: the runtime expands a wildcard in the order
// the directory lists, which the file system decides; the order of a walk
// over a folder is checked by the native tests.
std::vector<std::string> sortedLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end + 1 - at));
    at = end == std::string::npos ? text.size() : end + 1;
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

struct Step {
  const char* name;
  std::function<void(const TempDir&)> before;
  std::vector<std::string> args;  // "{d}" is the test folder
  DWORD exit;
  std::string out;  // exactly, with "{d}"
  std::string err;
  std::function<void(const TempDir&)> after;
};

std::string expand(std::string text, const TempDir& d) {
  const std::string folder = ToUtf8(d.wide());
  for (std::size_t at = text.find("{d}"); at != std::string::npos; at = text.find("{d}", at + folder.size())) {
    text.replace(at, 3, folder);
  }
  return text;
}

void expectOurs(const TempDir& d, const std::string& file, const std::string& name) {
  EXPECT_EQ(readBytes(d / file), manifest::BuildManifestText(name));
  EXPECT_EQ(attributesOf(d / file) & (kHiddenSystem | FILE_ATTRIBUTE_READONLY), kHiddenSystem);
}

// One folder, the steps in order: each sees what the ones before it left.
TEST(CliOnWindowsTest, StatusApplyUndoRound) {
  TempDir d(L"kovrena-komut-satırı");
  ASSERT_TRUE(d.ok());
  const std::string name = "Çizim & Boya.exe";
  ASSERT_TRUE(writeBytes(d / name, BuildPe({}).bytes));
  ASSERT_TRUE(writeBytes(d / "x64.exe", BuildPe(PeRecipe().forMachine(0x8664)).bytes));
  ASSERT_TRUE(writeBytes(d / "Oyun.exe", BuildPe(PeRecipe().withManifest(EmbeddedManifestText(false))).bytes));
  const std::string footnote =
      "* Windows XP x64, Server 2003 SP1 ve sonrasında ve Wine'da programın kendi manifesti geçerlidir, yanındaki "
      "manifest yok sayılır (ayrıntı: kovrena-cli check PROGRAM)\r\n";
  const std::string nothingToUndo =
      "daha önceden programımız tarafından yapılmış bir XP Stili Görünüm düzenlemesi bulunamadı";

  const Step steps[] = {
      {"status before anything", nullptr, {"status", "{d}\\" + name}, 0,
       "32 bit x86 programı          yanında: yok                             kendi: yok             {d}\\Çizim & Boya.exe\r\n", "", nullptr},
      {"apply writes Hidden+System", nullptr, {"apply", "{d}\\" + name}, 0,
       "{d}\\Çizim & Boya.exe: XP Görünüm Stili uygulandı\r\n", "",
       [&](const TempDir& dir) { expectOurs(dir, name + ".manifest", name); }},
      {"apply again changes nothing", nullptr, {"apply", "{d}\\" + name}, 3,
       "{d}\\Çizim & Boya.exe: XP Görünüm Stili zaten uygulanmış, manifest değiştirilmedi\r\n", "", nullptr},
      {"status sees the engine's manifest", nullptr, {"status", "{d}\\" + name}, 0,
       "32 bit x86 programı          yanında: bu aracın                       kendi: yok             {d}\\Çizim & Boya.exe\r\n", "", nullptr},
      {"undo deletes it", nullptr, {"undo", "{d}\\" + name}, 0,
       "{d}\\Çizim & Boya.exe: XP Stili Görünüm düzenlemesi geri alındı\r\n", "",
       [&](const TempDir& dir) { EXPECT_EQ(attributesOf(dir / (name + ".manifest")), INVALID_FILE_ATTRIBUTES); }},
      {"a maker's read-only manifest is kept by undo",
       [&](const TempDir& dir) {
         ASSERT_TRUE(writeBytes(dir / (name + ".manifest"), "<assembly/>"));
         SetFileAttributesW(ToWide(dir / (name + ".manifest")).c_str(), FILE_ATTRIBUTE_READONLY);
       },
       {"undo", "{d}\\" + name}, 3, "",
       "{d}\\Çizim & Boya.exe: yanındaki manifest bu programın yazacağı manifest değil, silinmedi (programın "
       "üreticisinin olabilir; silmek için --force)\r\n",
       [&](const TempDir& dir) { EXPECT_EQ(readBytes(dir / (name + ".manifest")), "<assembly/>"); }},
      {"and replaced by apply --force", nullptr, {"apply", "--force", "{d}\\" + name}, 0,
       "{d}\\Çizim & Boya.exe: XP Görünüm Stili uygulandı (önceki manifestin yerine)\r\n", "",
       [&](const TempDir& dir) { expectOurs(dir, name + ".manifest", name); }},
      {"x64 gets the amd64 manifest", nullptr, {"apply", "{d}\\x64.exe"}, 0,
       "{d}\\x64.exe: XP Görünüm Stili uygulandı\r\n", "",
       [](const TempDir& dir) {
         EXPECT_EQ(readBytes(dir / "x64.exe.manifest"), manifest::BuildManifestText("x64.exe", "amd64"));
       }},
      // The manifest names the program as the disk spells it, whatever case was typed.
      {"a name typed in capitals; its own manifest takes precedence after XP", nullptr, {"apply", "{d}\\OYUN.EXE"}, 3,
       "{d}\\OYUN.EXE: XP Görünüm Stili uygulandı, ama programın kendi manifesti Windows XP x64, Server 2003 SP1 ve "
       "sonrasında ve Wine'da önceliklidir: manifest yalnızca Windows XP'de etkili\r\n",
       "", [](const TempDir& dir) { expectOurs(dir, "Oyun.exe.manifest", "Oyun.exe"); }},
      {"undone in small letters", nullptr, {"undo", "{d}\\oyun.exe"}, 0,
       "{d}\\oyun.exe: XP Stili Görünüm düzenlemesi geri alındı\r\n", "",
       [](const TempDir& dir) { EXPECT_EQ(attributesOf(dir / "Oyun.exe.manifest"), INVALID_FILE_ATTRIBUTES); }},
      {"a wildcard is expanded", nullptr, {"status", "{d}\\*.exe"}, 0,
       "32 bit x86 programı          yanında: yok                             kendi: v6 istemiyor *  {d}\\Oyun.exe\r\n"
       "64 bit x64 programı          yanında: bu aracın                       kendi: yok             {d}\\x64.exe\r\n"
       "32 bit x86 programı          yanında: bu aracın                       kendi: yok             {d}\\Çizim & Boya.exe\r\n" + footnote,
       "", nullptr},
      {"check under Wine says Wine ignores PreferExternalManifest", nullptr, {"check", "{d}\\x64.exe"}, 0,
       "{d}\\x64.exe:\r\n"
       "  program: 64 bit x64 programı\r\n"
       "  yanındaki manifest: bu aracın; ortak denetimler v6'yı istiyor\r\n"
       "  kendi manifesti: yok\r\n"
       "  Windows XP: 64 bit program, 32 bit Windows XP'de çalışmaz\r\n"
       "  Windows XP x64, Server 2003 SP1, Vista ve sonrası: ortak denetimler v6 (yanındaki manifestten: ortak "
       "denetimler v6'yı istiyor)\r\n"
       "  Wine: ortak denetimler v6 (yanındaki manifestten: ortak denetimler v6'yı istiyor)\r\n"
       "  PreferExternalManifest: Wine 8 bu ayarı okumaz\r\n"
       "Not: Windows Vista ve sonrası bir programın manifestini bir kez okuyup saklar; program çalıştıktan sonra "
       "eklenen ya da değişen manifest, programın son değiştirilme zamanı değişince okunur.\r\n",
       "", nullptr},
      {"undo --recursive over the folder", nullptr, {"undo", "--recursive", "{d}"}, 3,
       "{d}\\Oyun.exe: " + nothingToUndo + "\r\n"
       "{d}\\x64.exe: XP Stili Görünüm düzenlemesi geri alındı\r\n"
       "{d}\\Çizim & Boya.exe: XP Stili Görünüm düzenlemesi geri alındı\r\n",
       "", nullptr},
      {"missing program", nullptr, {"status", "--json", "{d}\\yok.exe"}, 1,
       R"({"command":"status","ok":false,"programs":[{"path":"{d}\\yok.exe","ok":false,"result":"failed",)"
       R"("outcome":"not-found","message":"Belirttiğiniz dosya bulunamadı"}]})"
       "\r\n",
       "{d}\\yok.exe: Belirttiğiniz dosya bulunamadı\r\n", nullptr},
      {"usage error", nullptr, {"apply"}, 2, "", "kovrena-cli: en az bir PROGRAM gerekli\r\nYardım için: kovrena-cli --help\r\n",
       nullptr},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.before) step.before(d);
    std::vector<std::string> args;
    for (const std::string& arg : step.args) args.push_back(expand(arg, d));
    const Process run = runCli(args, d);
    EXPECT_EQ(run.exit, step.exit);
    std::string out = expand(step.out, d);
    // JSON doubles the folder's backslashes.
    if (out.rfind("{\"", 0) == 0) {
      std::string folder = ToUtf8(d.wide());
      std::string escaped;
      for (const char c : folder) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
      out = step.out;
      for (std::size_t at = out.find("{d}"); at != std::string::npos; at = out.find("{d}", at + escaped.size())) {
        out.replace(at, 3, escaped);
      }
    }
    EXPECT_EQ(sortedLines(run.out), sortedLines(out));
    EXPECT_EQ(run.err, expand(step.err, d));
    if (step.after) step.after(d);
  }
}

// A host link at the manifest path is someone else's file: status says so,
// and neither undo nor apply acts through it, not even with --force.
TEST(CliOnWindowsTest, LinkAtTheManifestPathIsNeverActedThrough) {
  TempDir d;
  ASSERT_TRUE(d.ok());
  ASSERT_TRUE(writeBytes(d / "p.exe", BuildPe({}).bytes));
  ASSERT_TRUE(writeBytes(d / "değerli.txt", "dokunma"));
  if (!kovrena::testing::makeHostLink(d / "değerli.txt", d / "p.exe.manifest")) GTEST_SKIP() << "not under Wine";
  const std::string details =
      " Hata No: 1921, Hata Ayrıntıları: " + kovrena::win32::ErrorFromCode(ERROR_CANT_RESOLVE_FILENAME).description;
  const Step steps[] = {
      {"status", nullptr, {"status", "{d}\\p.exe"}, 0,
       "32 bit x86 programı          yanında: başka                           kendi: yok             {d}\\p.exe\r\n", "", nullptr},
      {"undo --force", nullptr, {"undo", "--force", "{d}\\p.exe"}, 1, "",
       "{d}\\p.exe: XP Stili düzenlemesi geri alınırken hata oluştu, XP stili geri alınamamış olabilir." + details +
           "\r\n",
       nullptr},
      {"apply --force", nullptr, {"apply", "--force", "{d}\\p.exe"}, 1, "",
       "{d}\\p.exe: XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir." + details + "\r\n", nullptr},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    std::vector<std::string> args;
    for (const std::string& arg : step.args) args.push_back(expand(arg, d));
    const Process run = runCli(args, d);
    EXPECT_EQ(run.exit, step.exit);
    EXPECT_EQ(run.out, expand(step.out, d));
    EXPECT_EQ(run.err, expand(step.err, d));
    EXPECT_EQ(readBytes(d / "değerli.txt"), "dokunma");
    EXPECT_EQ(attributesOf(d / "değerli.txt") & (kHiddenSystem | FILE_ATTRIBUTE_READONLY), 0u);
  }
  kovrena::testing::removeHostLinks({d / "p.exe.manifest"});
}

struct RealProgram {
  const char* path;
  const char* expected;
};

// Files a real linker made, read by the reader built into the program.
TEST(CliOnWindowsTest, StatusOfRealPrograms) {
  TempDir d;
  ASSERT_TRUE(d.ok());
  const RealProgram cases[] = {
      {KOVRENA_PROGRAM_EXE, "64 bit x64 programı          yanında: yok                             kendi: v6 istiyor *    "},
      {KOVRENA_CLI_EXE, "64 bit x64 programı          yanında: yok                             kendi: v6 istemiyor *  "},
  };
  for (const RealProgram& c : cases) {
    SCOPED_TRACE(c.path);
    const Process run = runCli({"status", windowsPathTextOf(c.path)}, d);
    EXPECT_EQ(run.exit, 0u);
    EXPECT_EQ(run.out.substr(0, run.out.find('\r')), c.expected + windowsPathTextOf(c.path));
  }
}

// kovrena-cli.exe's own resources as Windows reads them: the version record
// through the version API, the manifest through the resource API. The
// program still starts with them (Wine, like Windows, refuses to start a
// program whose own manifest it cannot take).
constexpr const char* kOwnFileName = sizeof(void*) == 8 ? "kovrena-cli-x64.exe" : "kovrena-cli.exe";

std::string versionString(const std::vector<BYTE>& record, const std::wstring& name) {
  void* value = nullptr;
  UINT characters = 0;
  const std::wstring query = L"\\StringFileInfo\\041F04B0\\" + name;
  if (!VerQueryValueW(record.data(), query.c_str(), &value, &characters) || characters == 0) return "(absent)";
  return ToUtf8(static_cast<const wchar_t*>(value));
}

TEST(CliOnWindowsTest, OwnVersionRecordIsTurkishAndNamesTheProjectVersion) {
  const std::wstring exe = ToWide(windowsPathTextOf(KOVRENA_CLI_EXE));
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &unused);
  ASSERT_NE(size, 0u) << "no version record: " << kovrena::win32::LastError().description;
  std::vector<BYTE> record(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, record.data()));

  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &value, &length));
  ASSERT_GE(length, 4u);
  const auto* translation = static_cast<const WORD*>(value);
  EXPECT_EQ(translation[0], 0x041F) << "Turkish";
  EXPECT_EQ(translation[1], 1200) << "Unicode";

  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", &value, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(KOVRENA_VERSION_MINOR, KOVRENA_VERSION_MAJOR));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(KOVRENA_VERSION_REVISION, KOVRENA_VERSION_BUILD));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  const std::pair<const wchar_t*, std::string> strings[] = {
      {L"FileDescription",
       "Windows programlarına ortak denetimler 6 (XP görünüm stili) manifesti yazar, siler ve denetler"},
      {L"FileVersion", KOVRENA_VERSION_TEXT},
      {L"ProductVersion", KOVRENA_VERSION_TEXT},
      {L"InternalName", "kovrena-cli"},
      {L"OriginalFilename", kOwnFileName},
      {L"ProductName", "Kovrena"},
  };
  for (const auto& [name, expected] : strings) {
    EXPECT_EQ(versionString(record, name), expected) << ToUtf8(name);
  }
}

TEST(CliOnWindowsTest, OwnManifestDeclaresItRunsAsItsCallerAndTheProgramStarts) {
  const std::wstring exe = ToWide(windowsPathTextOf(KOVRENA_CLI_EXE));
  const HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(image, nullptr) << kovrena::win32::LastError().description;
  std::string manifest;
  if (const HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
    const HGLOBAL loaded = LoadResource(image, found);
    if (const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr) {
      manifest.assign(static_cast<const char*>(bytes), SizeofResource(image, found));
    }
  }
  FreeLibrary(image);
  ASSERT_FALSE(manifest.empty()) << "no manifest resource (type 24, id 1)";
  kovrena::testing::ExpectCliOwnManifest(manifest, sizeof(void*) == 8 ? "amd64" : "x86");

  TempDir d;
  ASSERT_TRUE(d.ok());
  const Process run = runCli({"--version"}, d);
  EXPECT_EQ(run.exit, 0u);
  EXPECT_EQ(run.out.substr(0, run.out.find_first_of("\r\n")), std::string("kovrena-cli ") + KOVRENA_VERSION_TEXT);
}

}  // namespace
}  // namespace kovrena::cli
