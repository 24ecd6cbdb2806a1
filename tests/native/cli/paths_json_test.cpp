#include <gtest/gtest.h>

#include <string>

#include "cli/json.h"
#include "platform/path_text.h"

namespace kovrena::cli {
namespace {

constexpr auto kPosix = PathStyle::Posix;
constexpr auto kWindows = PathStyle::Windows;

struct NameCase {
  const char* path;
  PathStyle style;
  const char* name;
};

TEST(PathsTest, FileNameIsWhatFollowsTheLastSeparatorOfThePlatformAndTheFolderWhatPrecedesIt) {
  const NameCase cases[] = {
      {"/oyunlar/Eski Oyun.exe", kPosix, "Eski Oyun.exe"},
      {"Eski Oyun.exe", kPosix, "Eski Oyun.exe"},
      {"/oyunlar/a\\b.exe", kPosix, "a\\b.exe"},  // a backslash is part of a Linux name
      {"/oyunlar/", kPosix, ""},
      {"C:\\Oyunlar\\Eski Oyun.exe", kWindows, "Eski Oyun.exe"},
      {"C:/Oyunlar/Eski Oyun.exe", kWindows, "Eski Oyun.exe"},
      {"C:Eski.exe", kWindows, "Eski.exe"},
      {"\\\\sunucu\\pay\\Çizim.exe", kWindows, "Çizim.exe"},
      {"", kWindows, ""},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileNameOf(c.path, c.style), c.name);
    const std::string_view path = c.path;
    EXPECT_EQ(FolderOf(path, c.style), path.substr(0, path.size() - std::string_view(c.name).size()));
  }
}

struct JoinCase {
  const char* folder;
  PathStyle style;
  const char* joined;
};

TEST(PathsTest, JoinPutsExactlyOneSeparator) {
  const JoinCase cases[] = {
      {"/oyunlar", kPosix, "/oyunlar/a.exe"},   {"/oyunlar/", kPosix, "/oyunlar/a.exe"},
      {"/", kPosix, "/a.exe"},                  {"", kPosix, "a.exe"},
      {"C:\\Oyunlar", kWindows, "C:\\Oyunlar\\a.exe"}, {"C:\\", kWindows, "C:\\a.exe"},
      {"C:", kWindows, "C:a.exe"},              {"Z:/tmp/", kWindows, "Z:/tmp/a.exe"},
  };
  for (const JoinCase& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(JoinPath(c.folder, "a.exe", c.style), c.joined);
  }
}

// The manifest the loader reads is named after the file Windows opens.
TEST(PathsTest, WindowsDropsTheDotsAndBlanksThatEndAName) {
  const struct {
    std::string_view path;
    PathStyle style;
    std::string_view opened;
  } cases[] = {
      {"C:\\a\\prog.exe.", PathStyle::Windows, "C:\\a\\prog.exe"},
      {"C:\\a\\prog.exe . .", PathStyle::Windows, "C:\\a\\prog.exe"},
      {"C:\\a. \\prog.exe", PathStyle::Windows, "C:\\a. \\prog.exe"},
      {"C:\\a\\..", PathStyle::Windows, "C:\\a\\.."},
      {"\\\\?\\C:\\a\\prog.exe.", PathStyle::Windows, "\\\\?\\C:\\a\\prog.exe."},
      {"/a/prog.exe.", PathStyle::Posix, "/a/prog.exe."},
  };
  for (const auto& c : cases) EXPECT_EQ(LoaderPathOf(c.path, c.style), c.opened) << c.path;
}

TEST(PathsTest, ExeNamesInAnyLetterCase) {
  const std::pair<const char*, bool> cases[] = {
      {"a.exe", true},  {"SETUP.EXE", true}, {"Oyun.Exe", true}, {".exe", false},
      {"a.exe.manifest", false}, {"a.ex", false}, {"exe", false}, {"a_exe", false}, {"a.exé", false},
  };
  for (const auto& [name, exe] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(IsExeName(name), exe);
  }
}

TEST(JsonTest, StringsAreEscapedAndAlwaysValidUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"", R"("")"},
      {"Çizim & Boya.exe", "\"Çizim & Boya.exe\""},
      {R"(C:\Oyunlar\"x")", R"("C:\\Oyunlar\\\"x\"")"},
      {"a\nb\r\tc", R"("a\nb\r\tc")"},
      {std::string("\x01\x1F\x7F", 3), R"("\u0001\u001f\u007f")"},
      {std::string("nul\0x", 5), R"("nul\u0000x")"},
      {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},            // four-byte sequence kept
      {"a\xFFz", "\"a\xEF\xBF\xBDz\""},                          // stray byte
      {"\xC3", "\"\xEF\xBF\xBD\""},                              // cut sequence
      {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},              // overlong '/'
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // surrogate
      {"\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // above U+10FFFF
  };
  for (const auto& [text, json] : cases) {
    SCOPED_TRACE(json);
    EXPECT_EQ(JsonString(text), json);
  }
}

}  // namespace
}  // namespace kovrena::cli
