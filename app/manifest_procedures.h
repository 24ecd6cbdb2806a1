#pragma once
// The main window's apply button: applying and undoing the XP style for the
// chosen program through the engine, and telling the user what came of it.
#include <string>

#include "platform/file_system.h"
#include "platform/elevation.h"
#include "platform/file_system.h"
#include "platform/host_system.h"
#include "platform/message_box.h"
#include "platform/registry.h"

namespace kovrena::app {

// The program the user chose, as program selection stored it in the main window.
struct Target {
  std::string path;         // full path of the program
  std::string programName;  // its file name without the folder
};

// What the procedures read and change of the main window.
class ApplyControls {
 public:
  virtual ~ApplyControls() = default;
  virtual void setApplyEnabled(bool enabled) = 0;         // cmdUygula
  virtual bool applyOptionSelected() const = 0;           // optXPUygula (else optGeriAl)
  virtual void setPathText(const std::string& text) = 0;  // txtExeYolu
};

// What one click works with.
struct ManifestServices {
  MessageBoxService& messages;
  FileSystem& files;
  HostSystem host;                // which loader rules this Windows follows
  Registry* registry = nullptr;   // where PreferExternalManifest is read; none: unset
  Elevation* elevation = nullptr; // where a refused change is made with full rights; none: nowhere
};

// None lets a failure escape: each reports its own.
void ManifestYaz(const Target& target, ApplyControls& controls, const ManifestServices& services);
void ManifestGeriAl(const Target& target, ApplyControls& controls, const ManifestServices& services);
// Click of cmdUygula: disable it, then dispatch on the option buttons.
void cmdUygulaClick(const Target& target, ApplyControls& controls, const ManifestServices& services);

}  // namespace kovrena::app
