// Kovrena's resources, linked into this test program exactly as into the
// shipping executable, read back through the Win32 loaders.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/scoped.h"
#include "resources/resource_ids.h"
#include "tests/native/resources/resource_files.h"

namespace {

using kovrena::resources_test::Bitmap;
using kovrena::resources_test::kBiRle8;
using kovrena::resources_test::parseDib;
using kovrena::resources_test::Rgb;

// The program loads its cursors shared and never destroys one; a test that
// loads one of its own does.
using UniqueCursor = kovrena::win32::Unique<HCURSOR, kovrena::win32::NullTraits<HCURSOR, &DestroyCursor>>;

HMODULE self() { return GetModuleHandleW(nullptr); }

std::string_view resourceBytes(const wchar_t* name, const wchar_t* type) {
  HRSRC info = FindResourceW(self(), name, type);
  if (!info) return {};
  HGLOBAL data = LoadResource(self(), info);
  return {static_cast<const char*>(LockResource(data)), SizeofResource(self(), info)};
}

TEST(LoadedResources, NamedBitmapsHaveTheirSizesAndFormats) {
  struct Case { const wchar_t* name; int width, height, bitCount; };
  constexpr Case kCases[] = {
      {L"KAPAT", 19, 19, 24},     {L"KAPATALT", 19, 19, 24}, {L"KAPATUST", 19, 19, 24},
      {L"SIMGE", 19, 19, 24},     {L"SIMGEALT", 19, 19, 24}, {L"SIMGEUST", 19, 19, 24},
      {L"ZEMIN", 444, 339, 8},    {L"BASLIK", 163, 24, 8},   {L"YARDIMISARETI", 17, 17, 8},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.name, c.name + std::wcslen(c.name)));
    const std::string_view dib = resourceBytes(c.name, MAKEINTRESOURCEW(2));
    ASSERT_FALSE(dib.empty());
    const Bitmap stored = parseDib(reinterpret_cast<const std::uint8_t*>(dib.data()), dib.size());
    EXPECT_EQ(stored.bitCount, c.bitCount);
    // The picture buttons: header and rows of 57 bytes padded to 60. The
    // others: palette pictures with run-length encoded rows.
    if (c.bitCount == 24) EXPECT_EQ(dib.size(), 1180u);
    else EXPECT_EQ(stored.compression, kBiRle8);
    // As the program loads them: a bitmap of the display's depth.
    const kovrena::win32::UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageW(self(), c.name, IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(bitmap);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(bitmap.get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, c.width);
    EXPECT_EQ(info.bmHeight, c.height);
  }
}

// The loader decodes the run-length rows itself: every pixel of what the
// program gets must be the colour the resource stores there. The main
// window's outline is cut from these pixels, and the title and the help
// mark must meet the panel yellow without a seam.
TEST(LoadedResources, PalettePicturesLoadWithEveryColourExact) {
  for (const wchar_t* name : {L"ZEMIN", L"BASLIK", L"YARDIMISARETI"}) {
    SCOPED_TRACE(std::string(name, name + std::wcslen(name)));
    const std::string_view dib = resourceBytes(name, MAKEINTRESOURCEW(2));
    const Bitmap stored = parseDib(reinterpret_cast<const std::uint8_t*>(dib.data()), dib.size());
    const kovrena::win32::UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageW(self(), name, IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(bitmap);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = stored.width;
    format.bmiHeader.biHeight = -stored.height;  // top-down, as `pixels` is
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> shown(stored.pixels.size());
    const int rows = GetDIBits(kovrena::win32::WindowDC(nullptr).get(), bitmap.get(), 0, static_cast<UINT>(stored.height),
                               shown.data(), &format, DIB_RGB_COLORS);
    ASSERT_EQ(rows, stored.height);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const Rgb want = stored.pixels[i];
      const Rgb got{static_cast<std::uint8_t>(shown[i] >> 16), static_cast<std::uint8_t>(shown[i] >> 8),
                    static_cast<std::uint8_t>(shown[i])};
      ASSERT_EQ(got, want) << "pixel " << i % static_cast<std::size_t>(stored.width) << ","
                           << i / static_cast<std::size_t>(stored.width);
    }
  }
}

#pragma pack(push, 2)
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(LoadedResources, IconGroupsHoldTheirSizesIn256Colours) {
  struct Case { int id; std::vector<int> sizes; };
  const Case kCases[] = {{IDI_KOVRENA, {16, 32, 48}},
                         {IDI_HAKKINDA_PENCERE, {32}},
                         {IDI_HAKKINDA_RESIM, {32}}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.id);
    const std::string_view group = resourceBytes(MAKEINTRESOURCEW(c.id), MAKEINTRESOURCEW(14));
    ASSERT_GE(group.size(), 6u);
    const auto* words = reinterpret_cast<const WORD*>(group.data());
    ASSERT_EQ(words[2], c.sizes.size());
    ASSERT_EQ(group.size(), 6 + sizeof(GroupEntry) * c.sizes.size());
    const auto* entries = reinterpret_cast<const GroupEntry*>(group.data() + 6);
    for (std::size_t i = 0; i < c.sizes.size(); ++i) {
      EXPECT_EQ(entries[i].width, c.sizes[i]);
      EXPECT_EQ(entries[i].height, c.sizes[i]);
      EXPECT_EQ(entries[i].bitCount, 8);
      const int s = c.sizes[i];
      const kovrena::win32::UniqueIcon icon(
          static_cast<HICON>(LoadImageW(self(), MAKEINTRESOURCEW(c.id), IMAGE_ICON, s, s, 0)));
      ASSERT_TRUE(icon) << s;
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon.get(), &info));
      const kovrena::win32::UniqueBitmap colour(info.hbmColor), maskBitmap(info.hbmMask);
      BITMAP mask{};
      GetObjectW(maskBitmap.get(), sizeof mask, &mask);
      EXPECT_EQ(mask.bmWidth, s);
    }
  }
}

TEST(LoadedResources, HandCursorsHaveTheirHotSpots) {
  struct Case { int id; DWORD x, y; };
  constexpr Case kCases[] = {{IDC_EL_ANA, 5, 0}, {IDC_EL_BAGLANTI, 7, 1}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.id);
    const UniqueCursor cursor(
        static_cast<HCURSOR>(LoadImageW(self(), MAKEINTRESOURCEW(c.id), IMAGE_CURSOR, 32, 32, 0)));
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    const kovrena::win32::UniqueBitmap maskBitmap(info.hbmMask), colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, c.x);
    EXPECT_EQ(info.yHotspot, c.y);
    BITMAP mask{};
    GetObjectW(maskBitmap.get(), sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);  // monochrome: AND and XOR masks stacked
    EXPECT_EQ(info.hbmColor, nullptr);
  }
}

// 617 bytes plus "Kovrena.exe"; this 64-bit test build names "amd64" where
// Kovrena.exe names "x86", two places two letters longer.
TEST(LoadedResources, OwnManifestRecordWithoutFinalLineEnd) {
  const std::string_view manifest = resourceBytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  EXPECT_EQ(manifest.size(), sizeof(void*) == 8 ? 632u : 628u);
  EXPECT_TRUE(manifest.starts_with("<?xml version=\"1.0\""));
  EXPECT_TRUE(manifest.ends_with("</dependency>\r\n</assembly>"));
  EXPECT_NE(manifest.find("    name=\"Kovrena.exe\"/>\r\n"), std::string_view::npos);
}

std::wstring versionValue(const std::vector<BYTE>& block, const wchar_t* path) {
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), path, &value, &length) || length == 0) return L"<missing>";
  return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(LoadedResources, VersionRecordIsTurkishAndNamesTheProgram) {
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x041F);
  EXPECT_EQ(translation[1], 1200);

  struct Case { const wchar_t* key; const wchar_t* value; };
  constexpr Case kCases[] = {
      {L"FileDescription",
       L"Windows XP alt\u0131nda denetimleri XP tarz\u0131 g\u00f6r\u00fcnmeyen programlara XP "
       L"tarz\u0131 g\u00f6r\u00fcn\u00fcm deste\u011fi verir."},
      {L"FileVersion", L"1.0.0.0"},
      {L"InternalName", L"Kovrena"},
      {L"OriginalFilename", L"Kovrena.exe"},
      {L"ProductName", L"Kovrena"},
      {L"ProductVersion", L"1.0.0.0"},
  };
  for (const Case& c : kCases) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041F04B0\\") + c.key;
    EXPECT_EQ(versionValue(block, key.c_str()), c.value) << std::string(key.begin(), key.end());
  }
}

// The manifest record is what binds the program to the common controls of
// the XP look; the loader, not a re-reading of the text, is the judge. Wine's
// side-by-side copy reports version 5 from DllGetVersion, so the check is
// where the module came from: the version 6 assembly's own folder.
TEST(LoadedResources, ManifestBindsVersionSixOfTheCommonControls) {
  InitCommonControls();
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t name[MAX_PATH];
  const DWORD length = GetModuleFileNameW(comctl, name, MAX_PATH);
  ASSERT_GT(length, 0u);
  std::string path;
  for (DWORD i = 0; i < length; ++i)
    path += static_cast<char>(name[i] < 0x80 ? std::tolower(static_cast<int>(name[i])) : '?');
  EXPECT_NE(path.find("\\winsxs\\"), std::string::npos) << path;
  EXPECT_NE(path.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos) << path;
}

}  // namespace
