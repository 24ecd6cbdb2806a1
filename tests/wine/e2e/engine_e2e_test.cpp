// The window program on the one engine, through its real window: the
// document that suits the chosen program, judged by Wine's loader; the
// question before a manifest the program may need is replaced; the word
// that this system goes by the program's own manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/error_report.h"
#include "app/manifest_messages.h"
#include "main_window_fixture.h"
#include "manifest/manifest_text.h"
#include "platform/win32/scoped.h"
#include "platform/win32/text.h"
#include "tests/fakes/pe_builder.h"
#include "tests/wine/loader/probe_run.h"
#include "tests/wine/platform/win_files.h"
#include "tests/wine/support/machine_of.h"

namespace kovrena::testing {
namespace {

using win32::ToUtf8;
using win32::ToWide;

std::string bytesOf(const std::wstring& path) { return readBytes(ToUtf8(path)).value_or(""); }

void writeFile(const std::wstring& path, const std::string& bytes) { ASSERT_TRUE(writeBytes(ToUtf8(path), bytes)); }

const std::string kVendorManifest =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
    "  <dependency><dependentAssembly><assemblyIdentity type=\"win32\" name=\"Microsoft.VC90.CRT\" "
    "version=\"9.0.21022.8\" processorArchitecture=\"amd64\" publicKeyToken=\"1fc8b3b9a1e18e3b\"/>"
    "</dependentAssembly></dependency>\r\n"
    "</assembly>\r\n";

// Written by hand: it binds the common controls and nothing else.
const std::string kHandWritten = EmbeddedManifestText(true);

class EngineThroughTheWindow : public MainWindow {
 protected:
  // The program's message box, once it is open.
  HWND messageBox() { return dialogTitled(L"Kovrena"); }

  bool shows(HWND box, const std::wstring& text) {
    for (const std::wstring& shown : staticTexts(box)) {
      if (shown == text) return true;
    }
    return false;
  }

  // The error report that opens with headline, closed with its OK button.
  void expectErrorReport(std::string_view headline) {
    HWND box = messageBox();
    ASSERT_NE(box, nullptr) << "no error report";
    bool reported = false;
    for (const std::wstring& shown : staticTexts(box)) reported = reported || shown.starts_with(ToWide(headline));
    EXPECT_TRUE(reported) << "no report opening with its headline: the change was reported done";
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    ASSERT_TRUE(waitUntil([&] { return gone(box); }));
  }

  void applyTo(const std::wstring& program) {
    choose(program);
    waitUntilProgramIdle();
    pressButton(control(L"Button", L"Uygula"));
  }
};

// A 64-bit program gets the amd64 document, and Wine's loader binds it to
// the common controls 6 through it; the x86 one, which the window program
// used to write beside everything, would leave it on the system's.
TEST_F(EngineThroughTheWindow, A64BitProgramGetsTheAmd64DocumentAndIsDrawnWithVersion6) {
  const ProbeRun before = runProbe(ToUtf8(target_));
  ASSERT_TRUE(before.started);
  EXPECT_FALSE(boundToV6(before)) << before.comctl;

  applyTo(target_);
  expectMessage(L"Seçtiğiniz programa (Örnek Program.exe) XP Görünüm Stili uygulandı");
  EXPECT_EQ(bytesOf(target_ + L".manifest"), manifest::BuildManifestText("Örnek Program.exe", "amd64"));
  const ProbeRun after = runProbe(ToUtf8(target_));
  ASSERT_TRUE(after.started);
  EXPECT_EQ(after.exitCode, 0u);
  EXPECT_TRUE(boundToV6(after)) << after.comctl;
  EXPECT_NE(lower(after.comctl).find("amd64_microsoft.windows.common-controls"), std::string::npos) << after.comctl;
}

// An x86 program gets exactly the bytes the window program always wrote.
TEST_F(EngineThroughTheWindow, AnX86ProgramGetsTheSameBytesAsEver) {
  if (!Runs32BitPrograms()) GTEST_SKIP() << "this Wine runs no 32-bit program";
  const std::wstring program = folder_ + L"\\Eski Program.exe";
  ASSERT_TRUE(CopyFileW(windowsPathOf(KOVRENA_PROBE32_UNIX_PATH).c_str(), program.c_str(), FALSE));
  applyTo(program);
  expectMessage(L"Seçtiğiniz programa (Eski Program.exe) XP Görünüm Stili uygulandı");
  EXPECT_EQ(bytesOf(program + L".manifest"), manifest::BuildManifestText("Eski Program.exe"));
  EXPECT_TRUE(boundToV6(runProbe(ToUtf8(program))));
  SetFileAttributesW((program + L".manifest").c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW((program + L".manifest").c_str());
  DeleteFileW(program.c_str());
}

// Files Windows would not start as a program: told why, nothing written.
TEST_F(EngineThroughTheWindow, WhatIsNoProgramGetsNoManifestAndAReason) {
  struct Case {
    const char* label;
    std::string bytes;
    std::string_view message;
  };
  const Case cases[] = {
      {"a DLL", BuildPe(PeRecipe{}.asDll()).bytes, app::kLibraryMessage},
      {"ARM64", BuildPe(PeRecipe{}.forMachine(0xAA64)).bytes, app::kWrongMachineMessage},
      {"not a PE", "bir metin dosyası", app::kNotAProgramMessage},
  };
  const std::wstring program = folder_ + L"\\Başka.exe";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    writeFile(program, c.bytes);
    applyTo(program);
    expectMessage(ToWide(c.message));
    EXPECT_EQ(GetFileAttributesW((program + L".manifest").c_str()), INVALID_FILE_ATTRIBUTES);
  }
  DeleteFileW(program.c_str());
}

// What someone else may need under the manifest's name (a vendor's manifest
// that names a C runtime; random bytes, somebody's data): the undo the
// window preselects asks first and says which, No is the default, and No
// keeps the file byte for byte, hidden as it was.
TEST_F(EngineThroughTheWindow, WhatSomeoneElseMayNeedIsDeletedOnlyAfterAskingWithNoAsDefault) {
  const std::wstring manifestPath = target_ + L".manifest";
  std::string data(64 * 1024, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>((i * 2654435761u) >> 13);
  const struct {
    std::string bytes, question;
  } cases[] = {
      {kVendorManifest, std::string(app::kForeignManifestBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (amd64)" +
                            std::string(app::kForeignDeleteAfter)},
      {data, std::string(app::kNotAManifestBefore) + std::string(app::kNotAManifestContent) +
                 std::string(app::kNotAManifestDeleteAfter)},
  };
  for (const auto& c : cases) {
    writeFile(manifestPath, c.bytes);
    SetFileAttributesW(manifestPath.c_str(), FILE_ATTRIBUTE_HIDDEN);
    choose(target_);
    waitUntilProgramIdle();
    EXPECT_TRUE(checked(control(L"Button", L"Önceden yapılmış değişikliği geri al")));
    pressButton(control(L"Button", L"Uygula"));
    HWND box = messageBox();
    ASSERT_NE(box, nullptr) << "deleted without a question";
    EXPECT_TRUE(shows(box, ToWide(c.question)));
    const auto defaultButton = [&](int id) {
      return (GetWindowLongW(GetDlgItem(box, id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    };
    EXPECT_TRUE(defaultButton(IDNO) && !defaultButton(IDYES)) << "No must be the default";
    saveScreenshot(box, L"someone-elses-file-question");
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
    ASSERT_TRUE(waitUntil([&] { return gone(box); }));
    EXPECT_EQ(bytesOf(manifestPath), c.bytes);
    EXPECT_EQ(GetFileAttributesW(manifestPath.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(control(L"Button", L"Uygula")) != FALSE; }));
    SetFileAttributesW(manifestPath.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

// Wine, like Windows after XP, goes by the program's own manifest: the
// success message says the new file changes nothing here.
TEST_F(EngineThroughTheWindow, WhereTheProgramsOwnManifestWinsTheSuccessMessageSaysSo) {
  const std::wstring program = folder_ + L"\\Kendi Manifestli.exe";
  ASSERT_TRUE(CopyFileW(kKovrenaExe.c_str(), program.c_str(), FALSE));
  applyTo(program);
  expectMessage(L"Seçtiğiniz programa (Kendi Manifestli.exe) XP Görünüm Stili uygulandı" +
                ToWide(app::kOwnManifestWinsSentence));
  SetFileAttributesW((program + L".manifest").c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW((program + L".manifest").c_str());
  DeleteFileW(program.c_str());
}

// Windows and Wine match names letter case aside beyond ASCII too: the
// vendor's "Çizim.exe.manifest" is the manifest of "çizim.exe", and the
// window program sees it as such.
TEST_F(EngineThroughTheWindow, AManifestInAnotherTurkishLetterCaseIsTheProgramsManifest) {
  const std::wstring program = folder_ + L"\\çizim.exe";
  const std::wstring manifestPath = folder_ + L"\\Çizim.exe.manifest";
  ASSERT_TRUE(CopyFileW(kProbeExe.c_str(), program.c_str(), FALSE));
  writeFile(manifestPath, kVendorManifest);
  choose(program);
  waitUntilProgramIdle();
  EXPECT_TRUE(checked(control(L"Button", L"Önceden yapılmış değişikliği geri al")));
  pressButton(control(L"Button", L"Uygula"));
  expectMessage(ToWide(std::string(app::kForeignManifestBefore) + "Microsoft.VC90.CRT 9.0.21022.8 (amd64)" +
                       std::string(app::kForeignDeleteAfter)),
                IDNO);
  EXPECT_EQ(bytesOf(manifestPath), kVendorManifest);
  DeleteFileW(manifestPath.c_str());
  DeleteFileW(program.c_str());
}

// A change that fails halfway leaves the old manifest as it was, its
// attributes included: the replacement's rename and the undo's delete
// refused while another program reads the file and lets nobody delete it.
TEST_F(EngineThroughTheWindow, AFailedChangeLeavesTheOldManifestWithItsAttributes) {
  const std::wstring manifestPath = target_ + L".manifest";
  constexpr DWORD kOld = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
  const auto holdOpen = [&] {
    return win32::UniqueHandle(
        CreateFileW(manifestPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                    nullptr));
  };
  for (const bool undo : {false, true}) {
    SCOPED_TRACE(undo ? "undo" : "apply over it");
    SetFileAttributesW(manifestPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(manifestPath.c_str());
    if (undo) writeFile(manifestPath, kHandWritten);
    SetFileAttributesW(manifestPath.c_str(), kOld);
    choose(target_);
    waitUntilProgramIdle();
    // Applying over a manifest: one that came into being since the choice.
    if (!undo) {
      writeFile(manifestPath, kHandWritten);
      SetFileAttributesW(manifestPath.c_str(), kOld);
    }
    {
      const win32::UniqueHandle held = holdOpen();
      ASSERT_TRUE(held);
      pressButton(control(L"Button", L"Uygula"));
      if (!undo) expectMessage(ToWide(app::kOverwriteQuestion), IDYES);
      ASSERT_NO_FATAL_FAILURE(expectErrorReport(undo ? app::kUndoHeadline : app::kApplyHeadline));
    }
    EXPECT_EQ(GetFileAttributesW(manifestPath.c_str()) & kOld, kOld);
    EXPECT_EQ(bytesOf(manifestPath), kHandWritten);
  }
  SetFileAttributesW(manifestPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A folder made immutable on the host for as long as it lives: nothing can
// be made, renamed or deleted in it, not even by root. False where that
// cannot be done.
class FrozenFolder {
 public:
  explicit FrozenFolder(const std::wstring& folder) : folder_(folder) {
    if (!runOnHost(L"chattr", L"+i", {win32::ToUtf8(folder)})) return;
    // Wine does not wait for a host program to end: the folder is tried.
    frozen_ = waitUntil([&] { return !canChange(folder); });
  }
  ~FrozenFolder() {
    runOnHost(L"chattr", L"-i", {win32::ToUtf8(folder_)});
    waitUntil([&] { return canChange(folder_); });
  }
  explicit operator bool() const { return frozen_; }

 private:
  // Whether an entry can be made and removed in folder. A probe made just
  // before the folder froze stays; it is opened again, and only a folder
  // that lets it go again counts as changeable (Wine reports the delete of a
  // file that stays: it is looked for afterwards).
  static bool canChange(const std::wstring& folder) {
    const std::wstring probe = folder + L"\\yoklama";
    {
      const win32::UniqueHandle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!file) return false;
    }
    DeleteFileW(probe.c_str());
    return GetFileAttributesW(probe.c_str()) == INVALID_FILE_ATTRIBUTES;
  }
  std::wstring folder_;
  bool frozen_ = false;
};

// A folder the user may not change (on Windows: one without the right to
// delete in it): Wine reports the delete of the manifest done, and the
// manifest stays. The undo must say it failed, and leave the manifest as it
// was, hidden and a system file.
TEST_F(EngineThroughTheWindow, AnUndoThatDeletesNothingIsReportedAsFailed) {
  const std::wstring manifestPath = target_ + L".manifest";
  constexpr DWORD kOurs = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  applyTo(target_);
  expectMessage(L"Seçtiğiniz programa (Örnek Program.exe) XP Görünüm Stili uygulandı");
  const std::string written = bytesOf(manifestPath);
  ASSERT_FALSE(written.empty());
  {
    const FrozenFolder frozen(folder_);
    if (!frozen) GTEST_SKIP() << "no folder can be made immutable here (chattr, as root, on ext4)";
    choose(target_);
    waitUntilProgramIdle();
    ASSERT_TRUE(checked(control(L"Button", L"Önceden yapılmış değişikliği geri al")));
    pressButton(control(L"Button", L"Uygula"));
    ASSERT_NO_FATAL_FAILURE(expectErrorReport(app::kUndoHeadline));
  }
  EXPECT_EQ(bytesOf(manifestPath), written);
  EXPECT_EQ(GetFileAttributesW(manifestPath.c_str()) & kOurs, kOurs);
}

// A named pipe of the host under the manifest's name: both ways the window
// says what stands there, and it stays.
TEST_F(EngineThroughTheWindow, APipeUnderTheManifestsNameIsNamedAndLeftBothWays) {
  // A name the host's mkfifo gets unchanged from Wine's command line.
  const std::wstring program = folder_ + L"\\boru.exe";
  ASSERT_TRUE(CopyFileW(target_.c_str(), program.c_str(), FALSE));
  const std::wstring manifestPath = program + L".manifest";
  choose(program);
  waitUntilProgramIdle();
  if (!runOnHost(L"mkfifo", L"", {ToUtf8(manifestPath)})) GTEST_SKIP() << "no host pipe can be made here";
  // Found by a listing: Wine's GetFileAttributes refuses a pipe.
  const auto there = [&] {
    WIN32_FIND_DATAW found{};
    return static_cast<bool>(win32::UniqueFind(FindFirstFileW(manifestPath.c_str(), &found)));
  };
  ASSERT_TRUE(waitUntil(there));
  const std::string special = std::string(app::kBlockedBefore) + std::string(app::kBlockedSpecial);
  pressButton(control(L"Button", L"Uygula"));
  expectMessage(ToWide(special + std::string(app::kBlockedApplyAfter)));
  choose(program);
  waitUntilProgramIdle();
  ASSERT_TRUE(checked(control(L"Button", L"Önceden yapılmış değişikliği geri al")));
  pressButton(control(L"Button", L"Uygula"));
  expectMessage(ToWide(special + std::string(app::kBlockedUndoAfter)));
  EXPECT_TRUE(there()) << "the pipe is not ours to remove";
  runOnHost(L"rm", L"-f", {ToUtf8(manifestPath)});
  waitUntil([&] { return !there(); });
  DeleteFileW(program.c_str());
}

// A host link under the manifest's name that leads round to itself: Wine
// cannot resolve it, and the window says so and leaves it.
TEST_F(EngineThroughTheWindow, ALinkThatLeadsRoundToItselfIsNamedAndLeft) {
  const std::wstring program = folder_ + L"\\halka.exe";
  ASSERT_TRUE(CopyFileW(target_.c_str(), program.c_str(), FALSE));
  const std::string manifestPath = ToUtf8(program + L".manifest");
  choose(program);
  waitUntilProgramIdle();
  if (!makeHostLinkLoop(manifestPath)) GTEST_SKIP() << "no host link can be made here";
  pressButton(control(L"Button", L"Uygula"));
  expectMessage(ToWide(std::string(app::kBlockedBefore) + std::string(app::kBlockedLink) +
                       std::string(app::kBlockedApplyAfter)));
  EXPECT_EQ(GetLastErrorOfAttributes(manifestPath), DWORD{ERROR_CANT_RESOLVE_FILENAME}) << "the link stays";
  removeHostLinks({manifestPath});
  DeleteFileW(program.c_str());
}

// A path typed with dots or blanks after its name opens the program
// without them (Win32 drops them), and so does the loader: the manifest
// beside it is named after the program, never "….exe..manifest".
TEST_F(EngineThroughTheWindow, APathTypedWithADotOrBlankAtItsEndGetsTheManifestTheLoaderReads) {
  const std::wstring manifestPath = target_ + L".manifest";
  for (const std::wstring& typed : {target_ + L".", target_ + L" ."}) {
    SCOPED_TRACE(ToUtf8(typed));
    applyTo(typed);
    expectMessage(L"Seçtiğiniz programa (" + typed.substr(folder_.size() + 1) + L") XP Görünüm Stili uygulandı");
    EXPECT_EQ(bytesOf(manifestPath), manifest::BuildManifestText("Örnek Program.exe", "amd64"));
    WIN32_FIND_DATAW found{};
    EXPECT_FALSE(win32::UniqueFind(FindFirstFileW((typed + L".manifest").c_str(), &found)));
    SetFileAttributesW(manifestPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(manifestPath.c_str());
  }
}

// A name longer than the dialog takes is the user's to shorten, not a
// fault to report: a message with the limit, and the path field emptied.
TEST_F(EngineThroughTheWindow, ANameLongerThanTheDialogTakesIsSaidSo) {
  const int limit = app::ProgramDialogSettings().maxFileLength;
  std::wstring path = folder_ + L"\\";
  path += std::wstring(static_cast<std::size_t>(limit) + 1 - path.size() - 4, L'a') + L".exe";
  ASSERT_EQ(path.size(), static_cast<std::size_t>(limit) + 1);
  choose(target_);
  waitUntilProgramIdle();
  choose(path);
  expectMessage(ToWide(app::kPathTooLongMessage));
  EXPECT_EQ(windowText(pathField()), L"");
  EXPECT_FALSE(IsWindowEnabled(control(L"Button", L"Uygula")));
}

// Kovrena as users unpack it, the helper beside it, run with a standard
// user's rights: the limited half of this test's token, with which Wine
// reports it not elevated on a Windows with UAC.
class AsStandardUser : public EngineThroughTheWindow {
 protected:
  std::unique_ptr<ChildProcess> startProgram() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    release_ = std::wstring(temp) + L"kovrena sürümü " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(release_.c_str(), nullptr);
    // The zip's helper for this build's processor, from the build beside it.
    const std::wstring built = kKovrenaExe.substr(0, kKovrenaExe.rfind(L"\\app\\")) + L"\\cli\\kovrena-cli.exe";
    helper_ = release_ + (MachineOf(ToUtf8(kKovrenaExe)) == 0x8664 ? L"\\kovrena-cli-x64.exe" : L"\\kovrena-cli.exe");
    win32::UniqueHandle own, primary;
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    if (!CopyFileW(kKovrenaExe.c_str(), (release_ + L"\\Kovrena.exe").c_str(), FALSE) ||
        !CopyFileW(built.c_str(), helper_.c_str(), FALSE) ||
        !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, own.put()) ||
        !GetTokenInformation(own.get(), TokenLinkedToken, &linked, sizeof linked, &size)) {
      return nullptr;
    }
    const win32::UniqueHandle limited(linked.LinkedToken);
    if (!DuplicateTokenEx(limited.get(), MAXIMUM_ALLOWED, nullptr, SecurityImpersonation, TokenPrimary, primary.put())) {
      return nullptr;
    }
    return std::make_unique<ChildProcess>(release_ + L"\\Kovrena.exe", L"", ChildStreams{}, 0, primary.get());
  }
  void TearDown() override {
    EngineThroughTheWindow::TearDown();
    DeleteFileW(helper_.c_str());
    DeleteFileW((release_ + L"\\Kovrena.exe").c_str());
    RemoveDirectoryW(release_.c_str());
  }
  std::wstring release_, helper_;
};

// Windows refuses the write (a folder frozen on the host: access denied);
// the question comes, the folder is let go as full rights would, and Yes
// has kovrena-cli write the manifest with the window's consent; the window
// tells it from the disk. Wine runs "runas" without a prompt, and its
// elevated helper has no more rights than the window had: Windows' consent
// prompt and its access checks are left to real Windows.
TEST_F(AsStandardUser, ARefusedWriteIsMadeAsAdministratorThroughTheHelper) {
  const std::wstring manifestPath = target_ + L".manifest";
  const std::string program = bytesOf(target_);
  HWND question = nullptr;
  {
    const FrozenFolder frozen(folder_);
    if (!frozen) GTEST_SKIP() << "no folder can be made immutable here (chattr, as root, on ext4)";
    applyTo(target_);
    question = messageBox();
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(shows(question, ToWide(app::kFullRightsQuestion))) << "not the question of full rights";
  }
  PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(question, IDYES)));
  ASSERT_TRUE(waitUntil([&] { return gone(question); }));
  expectMessage(L"Seçtiğiniz programa (Örnek Program.exe) XP Görünüm Stili uygulandı");
  EXPECT_EQ(bytesOf(manifestPath), manifest::BuildManifestText("Örnek Program.exe", "amd64"));
  constexpr DWORD kOurs = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  EXPECT_EQ(GetFileAttributesW(manifestPath.c_str()) & kOurs, kOurs);
  EXPECT_EQ(bytesOf(target_), program);
}

}  // namespace
}  // namespace kovrena::testing
