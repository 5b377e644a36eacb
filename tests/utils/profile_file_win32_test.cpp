// The portable reader against the system's profile functions, on the same files.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_files.h"
#include "utils/profile_access.h"
#include "utils/profile_cases.h"
#include "utils/profile_file.h"

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

}  // namespace
