#pragma once
// The engine's report on one program, as the command line reads it.
#include "manifest/outcome.h"

namespace kovrena::cli {

using ProgramReport = manifest::Report;
using manifest::CheckFindings;
using manifest::FailedAt;
using manifest::ManifestInfo;
using manifest::ManifestState;
using manifest::Outcome;
using manifest::Overridden;
using program::AssemblyIdentity;
using program::Binding;
using program::EmbeddedManifest;
using program::ManifestArchitecture;
using program::ManifestProblem;
using program::ManifestReading;
using program::ProgramFacts;
namespace machine = program::machine;

}  // namespace kovrena::cli
