#include "utils/work_folder.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <initializer_list>

#include "support/scoped_env.h"
#include "support/test_files.h"
#include "utils/files.h"
#include "utils/module_path.h"

namespace {

using Utils::kPathSeparator;

std::wstring Join(std::wstring path, std::initializer_list<const wchar_t*> names) {
  for (const wchar_t* name : names) path += kPathSeparator + std::wstring(name);
  return path;
}

TEST(CreateFolderTree, CreatesEveryMissingLevel) {
  TempFolder root;
  const std::wstring deep = Join(root.Path().wstring(), {L"a", L"b", L"c"});
  EXPECT_EQ(Utils::CreateFolderTree(deep), 1);
  EXPECT_TRUE(Utils::FolderExists(Join(root.Path().wstring(), {L"a", L"b"})));
  EXPECT_TRUE(Utils::FolderExists(deep));
  EXPECT_EQ(Utils::CreateFolderTree(deep), 1);  // already there

  const std::wstring trailing = Join(root.Path().wstring(), {L"x", L"y"}) + kPathSeparator;
  EXPECT_EQ(Utils::CreateFolderTree(trailing), 1);
  EXPECT_TRUE(Utils::FolderExists(Join(root.Path().wstring(), {L"x", L"y"})));
}

TEST(CreateFolderTree, FailsOnTooLongPathsAndOnFilesInTheWay) {
  TempFolder root;
  const std::wstring first = Join(root.Path().wstring(), {L"n"});
  std::wstring tooLong = first + kPathSeparator;
  tooLong += std::wstring(261 - tooLong.size(), L'n');
  ASSERT_EQ(tooLong.size(), 261u);
  EXPECT_EQ(Utils::CreateFolderTree(tooLong), 0);
  EXPECT_FALSE(Utils::FolderExists(first));  // nothing touched
  EXPECT_EQ(Utils::CreateFolderTree(tooLong.substr(0, 260)), 1);

  WriteBytes(root.File(L"file"), "x");
  EXPECT_EQ(Utils::CreateFolderTree(Join(root.Path().wstring(), {L"file", L"sub"})), 0);
  EXPECT_EQ(Utils::CreateFolderTree(root.File(L"file")), 0);
}

TEST(GetWorkFolder, SameFolderEveryTimeCreatedOnce) {
  TempFolder temp;
  // POSIX reads TMPDIR, Windows TMP first.
  ScopedEnv tmpdir(L"TMPDIR", temp.Path().wstring());
  ScopedEnv tmp(L"TMP", temp.Path().wstring() + kPathSeparator);
  const std::wstring expected =
      temp.Path().wstring() + kPathSeparator + Utils::kWorkFolderName + kPathSeparator;
  wchar_t buffer[Utils::kWorkPathChars] = {};
  EXPECT_EQ(Utils::GetWorkFolder(buffer), 0);
  EXPECT_EQ(std::wstring(buffer), expected);
  EXPECT_TRUE(Utils::FolderExists(expected));
  wchar_t again[Utils::kWorkPathChars] = {};
  EXPECT_EQ(Utils::GetWorkFolder(again), 0);
  EXPECT_EQ(std::wstring(again), expected);
  EXPECT_EQ(Utils::GetWorkFolder(), expected);
}

TEST(GetWorkFolder, FailsWhenTheFolderCannotBeMade) {
  TempFolder temp;
  const std::wstring missing = temp.File(L"missing");
  ScopedEnv tmpdir(L"TMPDIR", missing);
  ScopedEnv tmp(L"TMP", missing + kPathSeparator);
  wchar_t buffer[Utils::kWorkPathChars] = L"untouched";
  EXPECT_EQ(Utils::GetWorkFolder(buffer), 1);
  EXPECT_STREQ(buffer, L"untouched");
  EXPECT_EQ(Utils::GetWorkFolder(), L"");
}

}  // namespace
