#pragma once
// The manifest engine: building the manifest, applying and undoing the XP
// style for one chosen program, and the error report shared with program
// selection. Talks to the world only through the platform interfaces.
#include <string>
#include <string_view>

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

namespace kovrena::manifest {

// The program the user chose, as program selection stored it in the main window.
struct Target {
  std::string path;         // full path of the program
  std::string programName;  // its file name without the folder
};

// What the engine reads and changes of the main window.
class ApplyControls {
 public:
  virtual ~ApplyControls() = default;
  virtual void setApplyEnabled(bool enabled) = 0;   // cmdUygula
  virtual bool applyOptionSelected() const = 0;     // optXPUygula (else optGeriAl)
  virtual void setPathText(const std::string& text) = 0;  // txtExeYolu
};

// Headlines and number labels of the error report's users.
inline constexpr std::string_view kApplyHeadline =
    "XP Stili uygulanırken hata oluştu, XP stili uygulanamamış olabilir.";
inline constexpr std::string_view kUndoHeadline =
    "XP Stili düzenlemesi geri alınırken hata oluştu, XP stili geri alınamamış olabilir.";
inline constexpr std::string_view kNumberLabel = "Hata No: ";
inline constexpr std::string_view kSelectionNumberLabel = "(1)Hata No: ";
inline constexpr std::string_view kNotFoundMessage = "Belirttiğiniz dosya bulunamadı";

// The manifest text for a program name (UTF-8, CR LF line ends), for an
// x86 program.
std::string BuildManifestText(std::string_view programName);
// The same document with both processorArchitecture values set to
// architecture ("amd64", "*"); "x86" gives the bytes above.
std::string BuildManifestText(std::string_view programName, std::string_view architecture);
// The target path followed directly by ".manifest".
std::string ManifestPath(std::string_view targetPath);
// True when a file of exactly this path exists, hidden/system/read-only included, folders not.
Result<bool> ManifestFileKontrol(FileSystem& files, const std::string& path);
// What WriteManifestFile does with a file already at the manifest path.
enum class OldManifest {
  None,     // none is expected: a rename into an empty place
  Replace,  // its read-only bit is cleared right before the rename, so that a
            // read-only one is replaced too, and given back if the rename fails
};
// Writes the manifest file in one step: the whole text goes to a temporary
// file beside it, Hidden from its creation, flushed to the disk and made
// Hidden+System, which is then renamed over the manifest path. The path
// holds the old file or the complete new one at every instant, a kill or a
// power cut included; any failure removes the temporary file and leaves
// the old one where it was.
Status WriteManifestFile(FileSystem& files, const std::string& manifestPath, std::string_view text,
                         OldManifest old);

// Deletes the manifest file: its attributes plain first (unless the file
// has other names), deleted, found gone, its folder on the disk (see
// FileSystem::deleteFile). On any failure the file keeps the attributes it
// had; a delete that reports success but leaves the file is a failure.
inline constexpr std::string_view kStillThereMessage = "Dosya silinemedi: silindi bildirildiği halde hâlâ yerinde";
Status RemoveManifestFile(FileSystem& files, const std::string& manifestPath);

// The text of the critical error report, and showing it.
std::string ErrorReportText(std::string_view headline, std::string_view numberLabel, const Error& error);
void ShowErrorReport(MessageBoxService& messages, std::string_view headline,
                     std::string_view numberLabel, const Error& error);

// The procedures behind the main window's apply button. None lets a failure escape.
void ManifestYaz(const Target& target, ApplyControls& controls, MessageBoxService& messages, FileSystem& files);
void ManifestGeriAl(const Target& target, MessageBoxService& messages, FileSystem& files);
// Click of cmdUygula: disable it, then dispatch on the option buttons.
void cmdUygulaClick(const Target& target, ApplyControls& controls, MessageBoxService& messages, FileSystem& files);

}  // namespace kovrena::manifest
