#include "manifest/outcome.h"

namespace kovrena::manifest {

std::string DependencyList(std::span<const AssemblyIdentity> dependencies) {
  std::string list;
  for (const AssemblyIdentity& each : dependencies) {
    if (!list.empty()) list += ", ";
    list += each.name.empty() ? std::string("?") : each.name;
    if (!each.version.empty()) list += " " + each.version;
    if (!each.processorArchitecture.empty()) list += " (" + each.processorArchitecture + ")";
  }
  return list;
}

}  // namespace kovrena::manifest
