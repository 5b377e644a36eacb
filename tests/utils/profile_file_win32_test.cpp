// The portable reader against the system's profile functions, on the same files.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_files.h"
#include "utils/profile_access.h"
#include "utils/profile_cases.h"
#include "utils/profile_file.h"
#include "utils/profile_write_cases.h"
#include "utils/files.h"

namespace {

TEST(ProfileFileWin32, MatchesTheSystemOnStrings) {
  TempFolder folder;
  const std::wstring path = folder.File(L"settings.ini");
  for (const auto& c : ProfileStringCases()) {
    WriteBytes(path, c.file);
    EXPECT_EQ(Utils::ReadProfileString(c.section, c.key, c.fallback, c.bufferSize, path),
              Utils::ProfileFile::Parse(c.file).GetString(c.section, c.key, c.fallback, c.bufferSize))
        << c.name;
  }
}

TEST(ProfileFileWin32, MatchesTheSystemOnIntegers) {
  TempFolder folder;
  const std::wstring path = folder.File(L"settings.ini");
  for (const auto& c : ProfileIntCases()) {
    const std::string file = "[S]\r\n" + (c.value.empty() ? std::string() : "Key=" + c.value + "\r\n");
    WriteBytes(path, file);
    EXPECT_EQ(Utils::ReadProfileInt(L"S", L"Key", c.fallback, path), c.expected) << c.name;
  }
}

// The system's writer and the portable one on the same files: byte for byte
// where Wine's writer keeps the file's form, and read back through the system
// either way.
TEST(ProfileFileWin32, WritesAsTheSystemDoes) {
  TempFolder folder;
  const std::wstring systemPath = folder.File(L"system.ini");
  const std::wstring portablePath = folder.File(L"portable.ini");
  for (const auto& c : ProfileWriteCases()) {
    DeleteFileW(systemPath.c_str());
    if (c.before) WriteBytes(systemPath, *c.before);
    ASSERT_TRUE(Utils::WriteProfileString(c.section, c.key, c.value, systemPath)) << c.name;
    const auto portable = Utils::ProfileFile::WithString(c.before, c.section, c.key, c.value);
    ASSERT_TRUE(portable.has_value()) << c.name;
    WriteBytes(portablePath, *portable);
    if (c.systemWritesSame) {
      EXPECT_EQ(Utils::ReadFileBytes(systemPath), *portable) << c.name;
    }
    auto entries = c.others;
    entries.emplace_back(c.section, c.key);
    for (const auto& [section, key] : entries)
      EXPECT_EQ(Utils::ReadProfileString(section, key, L"none", 260, systemPath),
                Utils::ReadProfileString(section, key, L"none", 260, portablePath))
          << c.name;
  }
}

TEST(ProfileFileWin32, SystemWriterNeedsTheFolder) {
  EXPECT_FALSE(WritePrivateProfileStringW(L"A", L"K", L"v", L"C:\\no\\such\\folder\\set.ini"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

}  // namespace
