#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/report.h"
#include "manifest/manifest_text.h"
#include "text/hex.h"
#include "tests/native/cli/cli_test_support.h"

namespace kovrena::cli {
namespace {

using testing::BuildPe;
using testing::EmbeddedManifestText;
using testing::DiskOp;
using testing::FileOp;
using testing::PeRecipe;
using testing::readFile;
using testing::replaceAllOf;
using testing::TempFolder;
using testing::writeFile;

class CliJson : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.ok());
    writeFile(d / "a.exe", BuildPe({}).bytes);
    writeFile(d / "a.exe.manifest", manifest::BuildManifestText("a.exe"));
    ASSERT_FALSE(files.setAttributes(d / "a.exe.manifest", attr::kHidden | attr::kSystem).has_value());
    writeFile(d / "b.exe", BuildPe(PeRecipe().forMachine(program::machine::kX64).withManifest(EmbeddedManifestText(true))).bytes);
    writeFile(d / "c\x01\xFF.txt", "metin");
  }
  std::string expand(const std::string& text) const {
    return replaceAllOf(text, "{d}", d.path());
  }
  TempFolder d;
  testing::FaultyPosix posix;
  testing::FaultyDisk& disk = posix.disk;
  testing::FaultyFileSystem& files = posix.files;
};

// The document's shape is part of the interface scripts build on: the
// keys, their order and their values are fixed here in full.
TEST_F(CliJson, StatusDocument) {
  const testing::CliRun run =
      testing::RunCliWith({"status", "--json", expand("{d}/a.exe"), expand("{d}/b.exe"), expand("{d}/c\x01\xFF.txt"),
                           expand("{d}/yok.exe")},
                          disk);
  EXPECT_EQ(run.exit, kExitFailed);
  EXPECT_EQ(run.err, expand("{d}/yok.exe: Belirttiğiniz dosya bulunamadı\n"));
  std::string bytes;
  for (const char c : expand("{d}/c\x01\xFF.txt")) {
    bytes += text::HexText(static_cast<unsigned char>(c), 2, text::LetterCase::Lower);
  }
  EXPECT_EQ(run.out,
            expand(
                R"({"command":"status","ok":false,"programs":[)"
                R"({"path":"{d}/a.exe","ok":true,"result":"done","outcome":"status",)"
                R"("message":"32 bit x86 programı; yanında: bu aracın; kendi: yok",)"
                R"("windowsProgram":true,"machine":"x86","library":false,"dotNetAnyCpu":false,)"
                R"("manifestArchitecture":"x86","embeddedManifest":"none",)"
                R"("externalManifestIgnored":false,"manifest":{"state":"ours","hiddenSystem":true}},)"
                R"({"path":"{d}/b.exe","ok":true,"result":"done","outcome":"status",)"
                R"("message":"64 bit x64 programı; yanında: yok; kendi: v6 istiyor",)"
                R"("windowsProgram":true,"machine":"x64","library":false,"dotNetAnyCpu":false,)"
                R"("manifestArchitecture":"amd64","embeddedManifest":"with-v6",)"
                R"("externalManifestIgnored":true,"manifest":{"state":"none","hiddenSystem":false}},)"
                R"({"path":"{d}/c\u0001)" "\xEF\xBF\xBD" R"(.txt","pathBytes":")" + bytes + R"(",)"
                R"("ok":true,"result":"done","outcome":"status",)"
                R"("message":"Windows programı değil; yanında: yok",)"
                R"("windowsProgram":false,"machine":null,"library":false,"dotNetAnyCpu":false,)"
                R"("manifestArchitecture":null,"embeddedManifest":"none",)"
                R"("externalManifestIgnored":false,"manifest":{"state":"none","hiddenSystem":false}},)"
                R"({"path":"{d}/yok.exe","ok":false,"result":"failed","outcome":"not-found",)"
                R"("message":"Belirttiğiniz dosya bulunamadı"}]})"
                "\n"));
}

TEST_F(CliJson, ApplyDocumentWithAFailure) {
  files.faults = {{FileOp::Create, Error{28, "No space left on device"}}};
  writeFile(d / "e.exe", BuildPe({}).bytes);
  const testing::CliRun run = testing::RunCliWith({"apply", "--json", expand("{d}/e.exe")}, disk);
  EXPECT_EQ(run.exit, kExitFailed);
  EXPECT_EQ(run.err, expand("{d}/e.exe: XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir. Hata No: 28, "
                            "Hata Ayrıntıları: No space left on device\n"));
  EXPECT_EQ(run.out,
            expand(R"({"command":"apply","ok":false,"programs":[{"path":"{d}/e.exe","ok":false,"result":"failed","outcome":"failed",)"
                   R"("message":"XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir. Hata No: 28, )"
                   R"(Hata Ayrıntıları: No space left on device","windowsProgram":true,"machine":"x86",)"
                   R"("library":false,"dotNetAnyCpu":false,"manifestArchitecture":"x86",)"
                   R"("embeddedManifest":"none","externalManifestIgnored":false,)"
                   R"("previousManifest":{"state":"none","hiddenSystem":false},)"
                   R"("error":{"number":28,"description":"No space left on device"}}]})"
                   "\n"));
}

TEST_F(CliJson, UndoDocument) {
  const testing::CliRun run = testing::RunCliWith({"undo", "--json", expand("{d}/a.exe")}, disk);
  EXPECT_EQ(run.exit, kExitDone);
  EXPECT_EQ(run.out,
            expand(R"({"command":"undo","ok":true,"programs":[{"path":"{d}/a.exe","ok":true,"result":"done","outcome":"undone",)"
                   R"("message":"XP Stili Görünüm düzenlemesi geri alındı",)"
                   R"("previousManifest":{"state":"ours","hiddenSystem":true}}]})"
                   "\n"));
}

struct FaultCase {
  const char* name;
  std::variant<DiskOp, FileOp> op;
  std::vector<std::string> args;
  std::string err;
};

// Every platform failure reaches standard error with the platform's number
// and description, under the headline of the command that met it, and a
// failed write leaves no manifest behind.
TEST_F(CliJson, PlatformFailuresAreReportedWithNumberAndDescription) {
  const std::string apply = "XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir. ";
  const std::string undo = "XP Stili düzenlemesi geri alınırken hata oluştu, XP stili geri alınamamış olabilir. ";
  const std::string status = "Program okunurken hata oluştu. ";
  const std::string details = "Hata No: 5, Hata Ayrıntıları: Erişim engellendi.\n";
  const FaultCase cases[] = {
      {"reading the program", DiskOp::Open, {"status", "{d}/e.exe"}, "{d}/e.exe: " + status + details},
      {"asking what the path is", DiskOp::Kind, {"apply", "{d}/e.exe"}, "{d}/e.exe: " + apply + details},
      {"listing a folder", DiskOp::List, {"apply", "--recursive", "{d}"}, "{d}: " + apply + details},
      {"creating the manifest", FileOp::Create, {"apply", "{d}/e.exe"}, "{d}/e.exe: " + apply + details},
      {"setting Hidden+System", FileOp::SetAttributes, {"apply", "{d}/e.exe"}, "{d}/e.exe: " + apply + details},
      {"reading the manifest's attributes", FileOp::GetAttributes, {"undo", "{d}/a.exe"}, "{d}/a.exe: " + undo + details},
      {"deleting the manifest", FileOp::Delete, {"undo", "{d}/a.exe"}, "{d}/a.exe: " + undo + details},
      {"renaming the manifest into place", FileOp::Replace, {"apply", "{d}/e.exe"}, "{d}/e.exe: " + apply + details},
      {"renaming it over the old one", FileOp::Replace, {"apply", "--force", "{d}/a.exe"},
       "{d}/a.exe: " + apply + details},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    writeFile(d / "e.exe", BuildPe({}).bytes);
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(expand(arg));
    const Error denied{5, "Erişim engellendi."};
    if (const auto* op = std::get_if<DiskOp>(&c.op)) disk.faults = {{*op, denied}};
    else files.faults = {{std::get<FileOp>(c.op), denied}};
    const testing::CliRun run = testing::RunCliWith(args, disk);
    disk.faults.clear();
    files.faults.clear();
    EXPECT_EQ(run.exit, kExitFailed);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, expand(c.err));
    EXPECT_FALSE(readFile(d / "e.exe.manifest").has_value());
    EXPECT_EQ(readFile(d / "a.exe.manifest"), manifest::BuildManifestText("a.exe"));
    for (const std::string& name : d.entries()) EXPECT_FALSE(name.ends_with(kTemporaryEnding)) << name;
  }
}

// A line per program, whatever bytes its name holds: control characters
// as '?', bytes outside UTF-8 as "\xNN".
TEST(CliLines, NamesAreShownOnOneLineAndRecoverably) {
  ProgramReport report;
  report.path = "d/a\xFF\n\xC3\xA7.exe";
  report.outcome = Outcome::NotFound;
  EXPECT_EQ(ReportLine(Request{}, report), "d/a\\xFF?\xC3\xA7.exe: Belirttiğiniz dosya bulunamadı\n");
}

// What escapes kovrena-cli's own work (its walk through folders here) ends
// the run as a failure with its reason, never as a crash. (Memory running
// out anywhere ends it the same way, without an exception: OutOfMemory.)
TEST(CliEscapes, AreReportedAsFailures) {
  class ThrowingDisk final : public testing::ForwardingFileSystem {
   public:
    ThrowingDisk(bool standard, FileSystem& rest) : ForwardingFileSystem(rest), standard_(standard) {}
    Result<EntryKind> kindOf(const std::string&, bool) override { return EntryKind::Folder; }
    Result<std::vector<FolderEntry>> list(const std::string&) override {
      if (standard_) throw std::length_error("vector");
      throw 7;
    }
    Result<std::unique_ptr<ByteSource>> openForReading(const std::string&) override { return Error{5, "okunmaz"}; }

   private:
    bool standard_;
  };
  for (const bool standard : {true, false}) {
    posix::PosixFileSystem files;
    ThrowingDisk disk(standard, files);
    const testing::CliRun run = testing::RunCliWith({"status", "--recursive", "d"}, disk);
    EXPECT_EQ(run.exit, kExitFailed);
    EXPECT_EQ(run.err, standard ? "kovrena-cli: beklenmeyen hata: vector\n" : "kovrena-cli: beklenmeyen hata\n");
  }
}

}  // namespace
}  // namespace kovrena::cli
