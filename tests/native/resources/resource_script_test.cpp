// The resource script takes every picture, icon, cursor and the manifest
// from the generated folder: each file it names must be produced there.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "resource_files.h"

namespace kovrena::resources_test {
namespace {

std::string script() {
  const auto bytes = readFile(std::string(KOVRENA_SOURCE_DIR) + "/resources/kovrena.rc");
  return {bytes.begin(), bytes.end()};
}

TEST(ResourceScript, EveryNamedFileIsGenerated) {
  const std::string rc = script();
  const std::regex quotedFile(R"re("([A-Za-z0-9_]+\.(bmp|ico|cur|manifest))")re");
  std::set<std::string> named;
  for (auto it = std::sregex_iterator(rc.begin(), rc.end(), quotedFile); it != std::sregex_iterator(); ++it)
    named.insert((*it)[1]);
  EXPECT_EQ(named.size(), 18u);  // 11 bitmaps, 3 icons, 2 cursors, the manifest for x86 and x64
  for (const std::string& name : named)
    EXPECT_TRUE(std::filesystem::is_regular_file(std::string(KOVRENA_GENERATED_RESOURCES) + "/" + name)) << name;
}

TEST(ResourceScript, DeclaresEachResourceByItsName) {
  struct Case { const char* name; const char* type; const char* file; };
  constexpr Case kCases[] = {
      {"KAPAT", "BITMAP", "kapat.bmp"},       {"KAPATALT", "BITMAP", "kapatalt.bmp"},
      {"KAPATUST", "BITMAP", "kapatust.bmp"}, {"SIMGE", "BITMAP", "simge.bmp"},
      {"SIMGEALT", "BITMAP", "simgealt.bmp"}, {"SIMGEUST", "BITMAP", "simgeust.bmp"},
      {"ZEMIN", "BITMAP", "zemin.bmp"},       {"BASLIK", "BITMAP", "baslik.bmp"},
      {"YARDIMISARETI", "BITMAP", "yardimisareti.bmp"},
      {"YARDIMZEMIN", "BITMAP", "yardimzemin.bmp"},
      {"HAKKINDAZEMIN", "BITMAP", "hakkindazemin.bmp"},
      {"IDI_KOVRENA", "ICON", "kovrena.ico"},
      {"IDI_HAKKINDA_PENCERE", "ICON", "hakkinda_pencere.ico"},
      {"IDI_HAKKINDA_RESIM", "ICON", "hakkinda_resim.ico"},
      {"IDC_EL_ANA", "CURSOR", "el_ana.cur"},
      {"IDC_EL_BAGLANTI", "CURSOR", "el_baglanti.cur"},
      {"CREATEPROCESS_MANIFEST_RESOURCE_ID", "RT_MANIFEST", "kovrena.manifest"},
  };
  const std::string rc = script();
  for (const Case& c : kCases) {
    const std::string line = std::string(c.name) + " " + c.type + " \"" + c.file + "\"";
    EXPECT_NE(rc.find("\n" + line + "\n"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace kovrena::resources_test
