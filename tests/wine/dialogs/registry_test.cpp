#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs/registry_text.h"
#include "dialogs/sys_info.h"
#include "platform/win32/registry.h"
#include "platform/win32/text.h"
#include "test_support.h"
#include "tests/fakes/registry.h"

namespace kovrena::dialogs {
namespace {

using kovrena::testing::dwordBytes;
using kovrena::testing::TestKey;
using kovrena::testing::utf16Bytes;

const std::string kKey = "Software\\Kovrena Sınama\\Değerler";
const std::string kBefore = "önceki";

TEST(Win32Registry, GetKeyValueReadsRealValues) {
  enum Kind { True, False, Failure };
  struct Row {
    const wchar_t* name;
    DWORD type;
    std::string bytes;
    Kind kind;
    std::string text;
  };
  const Row rows[] = {
      {L"Yol", REG_SZ, utf16Bytes(L"C:\\Araçlar\\Sistem Bilgisi\\msinfo32.exe"), True,
       "C:\\Araçlar\\Sistem Bilgisi\\msinfo32.exe"},
      {L"Sonlandırıcısız", REG_SZ, utf16Bytes(L"abc", false), True, "abc"},
      {L"Boş", REG_SZ, "", Failure, kBefore},
      {L"BoşSayı", REG_DWORD, "", Failure, kBefore},
      {L"Sayı", REG_DWORD, dwordBytes(0x12345678), True, "&h12345678"},
      {L"KüçükSayı", REG_DWORD, dwordBytes(0x00000102), True, "&h000102"},
      {L"Sıfır", REG_DWORD, dwordBytes(0), True, "&h000000"},
      {L"ÜstBayt", REG_DWORD, dwordBytes(0xFF000000), True, "&hFF000000"},
      {L"Genişletilir", REG_EXPAND_SZ, utf16Bytes(L"%SystemRoot%\\system32"), True, kBefore},
      {L"Sınırda", REG_SZ, utf16Bytes(std::wstring(1023, L'x')), True, std::string(1023, 'x')},
      {L"Taşan", REG_SZ, utf16Bytes(std::wstring(1024, L'x')), False, ""},
      {L"İkiliSınırda", REG_BINARY, std::string(1024, '\x7f'), True, kBefore},
      {L"İkiliTaşan", REG_BINARY, std::string(1025, '\x7f'), False, ""},
  };
  TestKey key;
  for (const Row& row : rows) key.set(L"Değerler", row.name, row.type, row.bytes);

  kovrena::win32::Win32Registry registry;
  for (const Row& row : rows) {
    const std::string name = kovrena::win32::ToUtf8(row.name);
    SCOPED_TRACE(name);
    std::string text = kBefore;
    const Result<bool> result = GetKeyValue(registry, reg::kCurrentUser, kKey, name, text);
    if (row.kind == Failure) {
      ASSERT_FALSE(result.ok());
      EXPECT_EQ(result.error().number, kErrEmptyValue);
    } else {
      ASSERT_TRUE(result.ok()) << result.error().description;
      EXPECT_EQ(result.value(), row.kind == True);
    }
    EXPECT_EQ(text, row.text);
  }
}

TEST(Win32Registry, MissingKeysAndValuesAreNotRead) {
  struct Row {
    std::uint32_t root;
    std::string key;
    std::string name;
  };
  const Row rows[] = {
      {reg::kCurrentUser, kKey, "Yok"},
      {reg::kCurrentUser, "Software\\Kovrena Sınama\\Yok", "PATH"},
      {0x12345678, kKey, "Yol"},  // not a predefined root
  };
  TestKey key;
  key.set(L"Değerler", L"Yol", REG_SZ, utf16Bytes(L"C:\\x.exe"));
  kovrena::win32::Win32Registry registry;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.key + " " + row.name);
    std::string text = kBefore;
    const Result<bool> result = GetKeyValue(registry, row.root, row.key, row.name, text);
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result.value());
    EXPECT_EQ(text, "");
  }
}

TEST(Win32Registry, ReportsExactErrorsAndOpensMachineKeysForReading) {
  kovrena::win32::Win32Registry registry;
  const auto missing = registry.openKey(reg::kCurrentUser, "Software\\Kovrena Sınama\\Yok", reg::kReadAccess);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().number, kErrFileNotFound);

  const auto wrongRoot = registry.openKey(0x12345678, "Software", reg::kReadAccess);
  ASSERT_FALSE(wrongRoot.ok());
  EXPECT_EQ(wrongRoot.error().number, ERROR_INVALID_HANDLE);

  TestKey key;
  key.set(L"Değerler", L"Taşan", REG_SZ, utf16Bytes(std::wstring(1024, L'x')));
  auto opened = registry.openKey(reg::kCurrentUser, kKey, reg::kReadAccess);
  ASSERT_TRUE(opened.ok());
  const auto tooLarge = opened.value()->queryValue("Taşan", 1024);
  ASSERT_FALSE(tooLarge.ok());
  EXPECT_EQ(tooLarge.error().number, reg::kErrMoreData);

  // The machine root is sign-extended on 64-bit Windows; a wrong handle
  // value would fail here.
  const auto machine = registry.openKey(reg::kLocalMachine, "SOFTWARE\\Microsoft", reg::kReadAccess);
  EXPECT_TRUE(machine.ok()) << machine.error().description;
}

}  // namespace
}  // namespace kovrena::dialogs
