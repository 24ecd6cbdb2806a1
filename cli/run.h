#pragma once
// The whole command line program above the platform: arguments in, words
// out, the exit status back.
#include <chrono>
#include <string>
#include <vector>

#include "cli/console.h"
#include "platform/file_system.h"
#include "platform/host_system.h"
#include "platform/registry.h"
#include "platform/file_system.h"

namespace kovrena::cli {

// What the tool knows of the system it runs on.
struct Host {
  HostSystem system;               // Linux runs Windows programs under Wine only
  Registry* registry = nullptr;    // Windows: where PreferExternalManifest is read
  // How long a recursive run goes on before a terminal shows its progress.
  std::chrono::steady_clock::duration progressAfter = std::chrono::seconds(1);
};

// arguments: what followed the program's own name, as UTF-8.
int RunCli(const std::vector<std::string>& arguments, FileSystem& files, Console& console,
           const Host& host = Host{});

}  // namespace kovrena::cli
