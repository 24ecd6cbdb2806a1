#include "platform/path_text.h"

namespace kovrena {

namespace {

template <class Char>
bool isSeparator(Char c, PathStyle style) {
  return c == '/' || (style == PathStyle::Windows && (c == '\\' || c == ':'));
}

template <class Char>
std::size_t nameStart(std::basic_string_view<Char> path, PathStyle style) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (isSeparator(path[i - 1], style)) return i;
  }
  return 0;
}

}  // namespace

std::string_view FileNameOf(std::string_view path, PathStyle style) { return path.substr(nameStart(path, style)); }
std::string_view FolderOf(std::string_view path, PathStyle style) { return path.substr(0, nameStart(path, style)); }
std::wstring_view FileNameOf(std::wstring_view path, PathStyle style) { return path.substr(nameStart(path, style)); }
std::wstring_view FolderOf(std::wstring_view path, PathStyle style) { return path.substr(0, nameStart(path, style)); }

std::string JoinPath(std::string_view folder, std::string_view name, PathStyle style) {
  std::string path(folder);
  if (!path.empty() && !isSeparator(path.back(), style)) path += style == PathStyle::Windows ? '\\' : '/';
  path += name;
  return path;
}

std::string_view LoaderPathOf(std::string_view path, PathStyle style) {
  if (style != PathStyle::Windows || path.starts_with("\\\\?\\")) return path;
  const std::size_t start = nameStart(path, style);
  std::size_t end = path.size();
  while (end > start && (path[end - 1] == '.' || path[end - 1] == ' ')) --end;
  // A name of dots alone ("..") is a folder's, and is left to say so.
  return end == start ? path : path.substr(0, end);
}

bool IsExeName(std::string_view name) {
  constexpr std::string_view kExtension = ".exe";
  if (name.size() <= kExtension.size()) return false;
  const std::string_view tail = name.substr(name.size() - kExtension.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
    if (c != kExtension[i]) return false;
  }
  return true;
}

}  // namespace kovrena
