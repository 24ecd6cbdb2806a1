#pragma once
// Path text as the running platform reads it. On Windows both slashes
// separate folders and "C:name" names a file on a drive; on Linux only '/'
// does, and a backslash is an ordinary character of a name.
#include <string>
#include <string_view>

namespace kovrena {

// How the platform's paths are spelt: on Windows both slashes separate
// folders and "C:name" names a file on a drive; on POSIX only '/' does.
enum class PathStyle { Posix, Windows };

// The last part of the path: what a file dialog calls the file title; and
// what comes before it, the folder with the separator that ends it ("" for
// a bare name). The two together are the path. Windows' own wide paths are
// split the same way.
std::string_view FileNameOf(std::string_view path, PathStyle style);
std::string_view FolderOf(std::string_view path, PathStyle style);
std::wstring_view FileNameOf(std::wstring_view path, PathStyle style);
std::wstring_view FolderOf(std::wstring_view path, PathStyle style);
// A child of folder, with exactly one separator between the two.
std::string JoinPath(std::string_view folder, std::string_view name, PathStyle style);
// The path a Windows program opens for this text: Win32 drops the dots and
// blanks that end the last part ("prog.exe. " opens prog.exe), so the
// manifest the loader reads is named after what is left. A "\\?\" path is
// taken as it stands, and so is every POSIX path.
std::string_view LoaderPathOf(std::string_view path, PathStyle style);
// Whether a file name ends in ".exe", in any letter case.
bool IsExeName(std::string_view name);

}  // namespace kovrena
