#pragma once
// A program as kovrena-cli's lines and JSON messages describe it.
#include <string>

#include "manifest/outcome.h"

namespace kovrena::outcomes {

// "32 bit x86 programı", "64 bit x64 DLL'i", "Windows programı değil", …
std::string WhatItIs(const manifest::Report& report);
// What status says of a program: columns of fixed width when aligned (a
// line), otherwise the same parts joined by "; " (JSON's message).
std::string StatusColumns(const manifest::Report& report, bool aligned);
// A Windows program whose own manifest decides on the later systems: status
// marks it for its footnote.
bool OwnManifestMarked(const manifest::Report& report);

}  // namespace kovrena::outcomes
