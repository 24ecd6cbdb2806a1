#include "program/manifest_check.h"

#include <memory>

#include "program/xml.h"
#include "text/ascii_case.h"

namespace kovrena::program {

namespace {

// The loaders take the later versions of the namespace as the first.
bool isAssemblyNamespace(std::string_view uri) {
  return uri == "urn:schemas-microsoft-com:asm.v1" || uri == "urn:schemas-microsoft-com:asm.v2" ||
         uri == "urn:schemas-microsoft-com:asm.v3";
}

std::string_view localName(std::string_view name) {
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}
std::string_view prefixOf(std::string_view name) {
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

// The namespace declarations in force at an element, innermost last.
struct Scope {
  const Scope* outer = nullptr;
  const XmlElement* element = nullptr;

  std::string_view namespaceOf(std::string_view prefix) const {
    const std::string key = prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix);
    for (const Scope* s = this; s != nullptr; s = s->outer) {
      if (const auto value = s->element->attribute(key)) return *value;
    }
    return {};
  }
};

bool isAssemblyElement(const XmlElement& element, const Scope& scope, std::string_view local) {
  return localName(element.name) == local && isAssemblyNamespace(scope.namespaceOf(prefixOf(element.name)));
}

AssemblyIdentity identityOf(const XmlElement& element) {
  const auto get = [&](std::string_view key) { return std::string(element.attribute(key).value_or("")); };
  return {get("type"), get("name"), get("version"), get("processorArchitecture"), get("publicKeyToken"),
          get("language")};
}

// The major number of a version text such as "6.0.0.0".
bool majorVersionIsSix(std::string_view version) {
  std::size_t i = 0;
  while (i < version.size() && version[i] == '0') ++i;
  return i < version.size() && version[i] == '6' && (i + 1 == version.size() || version[i + 1] == '.');
}

std::string_view processOf(ManifestArchitecture program, std::uint16_t machine) {
  switch (program) {
    case ManifestArchitecture::X86: return "x86";
    case ManifestArchitecture::Amd64: return "amd64";
    case ManifestArchitecture::Any: return "*";  // either process: only "*" suits both
    case ManifestArchitecture::None: break;
  }
  return machine == machine::kArm64 ? "arm64" : machine == machine::kX86 ? "x86" : machine == machine::kX64 ? "amd64" : "";
}

ManifestProblem judgeCommonControls(const AssemblyIdentity& dependency, std::string_view process) {
  if (!::kovrena::text::EqualsIgnoringAsciiCase(dependency.publicKeyToken, kCommonControlsToken)) return ManifestProblem::WrongToken;
  if (dependency.processorArchitecture.empty()) return ManifestProblem::NoArchitecture;
  if (dependency.processorArchitecture == "*") return ManifestProblem::None;
  if (process == "*" || !::kovrena::text::EqualsIgnoringAsciiCase(dependency.processorArchitecture, process)) {
    return ManifestProblem::WrongArchitecture;
  }
  return ManifestProblem::None;
}

// Reads into a reading the caller made, on its stack or on the heap: it is
// never moved, which would cost the window program the code of a move.
void readInto(ManifestReading& reading, std::string_view bytes, ManifestArchitecture program, std::uint16_t machine) {
  if (bytes.empty()) return;
  const XmlReading xml = ReadXml(bytes);
  if (!xml.root) {
    reading.problem = xml.tooLarge ? ManifestProblem::TooLarge : ManifestProblem::NotXml;
    reading.fault = xml.fault;
    return;
  }
  const XmlElement& root = *xml.root;
  const Scope rootScope{nullptr, &root};
  if (!isAssemblyElement(root, rootScope, "assembly") || root.attribute("manifestVersion") != "1.0") {
    reading.problem = ManifestProblem::NotAnAssembly;
    return;
  }
  reading.problem = ManifestProblem::NoCommonControlsV6;
  for (const XmlElement& child : root.children) {
    const Scope childScope{&rootScope, &child};
    if (isAssemblyElement(child, childScope, "assemblyIdentity") && !reading.identity) {
      reading.identity = identityOf(child);
      continue;
    }
    if (!isAssemblyElement(child, childScope, "dependency")) continue;
    for (const XmlElement& dependent : child.children) {
      const Scope dependentScope{&childScope, &dependent};
      if (!isAssemblyElement(dependent, dependentScope, "dependentAssembly")) continue;
      for (const XmlElement& identity : dependent.children) {
        const Scope identityScope{&dependentScope, &identity};
        if (!isAssemblyElement(identity, identityScope, "assemblyIdentity")) continue;
        AssemblyIdentity found = identityOf(identity);
        if (!reading.commonControls && ::kovrena::text::EqualsIgnoringAsciiCase(found.name, kCommonControlsName) &&
            majorVersionIsSix(found.version)) {
          reading.commonControls = std::move(found);
        } else {
          reading.otherDependencies.push_back(std::move(found));
        }
      }
    }
  }
  if (reading.commonControls) {
    reading.problem = judgeCommonControls(*reading.commonControls, processOf(program, machine));
  }
  if (reading.identity &&
      (reading.identity->name.empty() || reading.identity->version.empty() || reading.identity->type.empty())) {
    reading.commonControlsAlone = reading.problem;
    reading.problem = ManifestProblem::IdentityIncomplete;
  }
}

}  // namespace

ManifestReading ReadManifest(std::string_view bytes, ManifestArchitecture program, std::uint16_t machine) {
  ManifestReading reading;
  readInto(reading, bytes, program, machine);
  return reading;
}

std::unique_ptr<ManifestReading> ReadManifestKept(std::string_view bytes, ManifestArchitecture program,
                                                  std::uint16_t machine) {
  auto reading = std::make_unique<ManifestReading>();
  readInto(*reading, bytes, program, machine);
  return reading;
}

Binding OnWindows(const ManifestReading& reading) {
  switch (reading.problem) {
    case ManifestProblem::None: return Binding::CommonControlsV6;
    case ManifestProblem::NoCommonControlsV6:
    case ManifestProblem::NoArchitecture: return Binding::SystemControls;
    default: return Binding::DoesNotStart;
  }
}

Binding OnWine(const ManifestReading& reading) {
  const ManifestProblem problem =
      reading.problem == ManifestProblem::IdentityIncomplete ? reading.commonControlsAlone : reading.problem;
  switch (problem) {
    case ManifestProblem::None: return Binding::CommonControlsV6;
    case ManifestProblem::NotXml:
    case ManifestProblem::TooLarge: return Binding::Uncertain;
    case ManifestProblem::WrongArchitecture: return Binding::DoesNotStart;
    default: return Binding::SystemControls;
  }
}

}  // namespace kovrena::program
