// The file store's own promises: it stays under its root whatever the names.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/scoped_env.h"
#include "support/test_files.h"
#include "utils/files.h"
#include "utils/registry.h"

namespace {

TEST(RegistryPosix, NamesCannotLeaveTheStore) {
  TempFolder outside;
  const auto store = outside.Path() / "store";
  ScopedEnv root(L"KELVRA_REGISTRY_ROOT", store.wstring());
  ASSERT_TRUE(Utils::WriteUserText(L"..\\..\\x", L"../../v", L"1"));
  ASSERT_TRUE(Utils::WriteUserText(L"a/b", L"n", L"2"));
  EXPECT_EQ(Utils::ReadUserText(L"..\\..\\x", L"../../v"), L"1");
  EXPECT_EQ(Utils::ReadUserText(L"a/b", L"n"), L"2");
  EXPECT_FALSE(Utils::ReadUserText(L"a\\b", L"n").has_value());
  for (const auto& entry : std::filesystem::directory_iterator(outside.Path()))
    EXPECT_EQ(entry.path(), store);
  // Empty key names are refused.
  EXPECT_FALSE(Utils::WriteUserText(L"a\\\\b", L"n", L"3"));
  EXPECT_FALSE(Utils::WriteUserText(L"", L"n", L"3"));
}

TEST(RegistryPosix, TextIsStoredWithoutTerminator) {
  TempFolder store;
  ScopedEnv root(L"KELVRA_REGISTRY_ROOT", store.Path().wstring());
  ASSERT_TRUE(Utils::WriteUserText(L"K", L"v", L"ab"));
  EXPECT_EQ(Utils::ReadFileBytes((store.Path() / "HKEY_CURRENT_USER" / "k" / "v.value").wstring()),
            std::string("\x01\0\0\0a\0b\0", 8));
}

TEST(RegistryPosix, UnreadableValueFilesReadAsMissing) {
  TempFolder store;
  ScopedEnv root(L"KELVRA_REGISTRY_ROOT", store.Path().wstring());
  ASSERT_TRUE(Utils::WriteUserText(L"K", L"v", L"1"));
  WriteBytes((store.Path() / "HKEY_CURRENT_USER" / "k" / "v.value").wstring(), "\x01\0");
  EXPECT_FALSE(Utils::ReadUserValue(L"K", L"v").has_value());
}

}  // namespace
