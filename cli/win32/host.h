#pragma once
// What kovrena-cli knows of the Windows it runs on.

namespace kovrena::cli::win32 {

// Wine's ntdll exports wine_get_version; no Windows ntdll does.
bool RunsUnderWine();

}  // namespace kovrena::cli::win32
