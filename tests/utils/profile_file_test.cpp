#include "utils/profile_file.h"

#include <gtest/gtest.h>

#include "support/test_files.h"
#include "utils/files.h"
#include "utils/module_path.h"
#include "utils/profile_access.h"
#include "utils/profile_cases.h"
#include "utils/profile_write_cases.h"

namespace {

using Utils::ProfileFile;

TEST(ProfileFile, ReadsStringsAsTheProfileFunctionsDo) {
  for (const auto& c : ProfileStringCases())
    EXPECT_EQ(ProfileFile::Parse(c.file).GetString(c.section, c.key, c.fallback, c.bufferSize),
              c.expected)
        << c.name;
}

TEST(ProfileFile, ReadsIntegersAsTheProfileFunctionsDo) {
  for (const auto& c : ProfileIntCases()) {
    const std::string file = "[S]\n" + (c.value.empty() ? std::string() : "Key=" + c.value + "\n");
    EXPECT_EQ(ProfileFile::Parse(file).GetInt(L"S", L"Key", c.fallback), c.expected) << c.name;
  }
}

TEST(ProfileFile, MissingFileIsNoFile) {
  EXPECT_FALSE(ProfileFile::Load(L"/no/such/folder/settings.ini").has_value());
}

TEST(ProfileFile, WritesAsTheProfileFunctionsDo) {
  for (const auto& c : ProfileWriteCases()) {
    const auto after = ProfileFile::WithString(c.before, c.section, c.key, c.value);
    ASSERT_TRUE(after.has_value()) << c.name;
    EXPECT_EQ(*after, c.after) << c.name;
    // What was written reads back, and so does everything else.
    const ProfileFile written = ProfileFile::Parse(*after);
    size_t start = 0;
    while (start < c.value.size() && c.value[start] == L' ') ++start;
    std::wstring value = c.value.substr(start);
    while (!value.empty() && value.back() == L' ') value.pop_back();
    // Files without a mark hold what the ANSI code page can.
    if (c.after.rfind("\xEF\xBB\xBF", 0) != 0 && c.after.rfind("\xFF\xFE", 0) != 0)
      value = Utils::NarrowToWide(Utils::WideToNarrow(value, Utils::kAnsiCodePage), Utils::kAnsiCodePage);
    EXPECT_EQ(written.GetString(c.section, c.key, L"none", 260), value) << c.name;
    for (const auto& [section, key] : c.others) {
      EXPECT_EQ(written.GetString(section, key, L"none", 260),
                ProfileFile::Parse(c.before.value_or("")).GetString(section, key, L"none", 260))
          << c.name;
    }
  }
}

TEST(ProfileFile, WritesFilesAndRefusesWhatWouldBreakThem) {
  TempFolder folder;
  const std::wstring path = folder.File(L"set.ini");
  EXPECT_TRUE(Utils::WriteProfileString(L"Install", L"AppName", L"PXVideoTools", path));
  EXPECT_TRUE(Utils::WriteProfileString(L"Install", L"DeviceID", L"1", path));
  EXPECT_TRUE(Utils::WriteProfileString(L"Install", L"DeviceID", L"2", path));
  EXPECT_EQ(Utils::ReadFileBytes(path), "[Install]\r\nAppName=PXVideoTools\r\nDeviceID=2\r\n");

  // Nothing of these reaches the file: a value with line breaks would add a
  // section of its own, the others would read back as something else.
  const struct {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
  } refused[] = {{L"Install", L"AppName", L"x\r\n[Uninstall]\r\nIsOverride=false"},
                 {L"Install", L"AppName", L"x\ny"},
                 {L"Install", L"A\rB", L"x"},
                 {L"In\nstall", L"AppName", L"x"},
                 {L"Install", L"Key=2", L"x"},
                 {L"Install", L"[Uninstall]", L"x"},
                 {L"", L"AppName", L"x"},
                 {L"Install", L" ", L"x"}};
  for (const auto& r : refused) {
    EXPECT_FALSE(Utils::WriteProfileString(r.section, r.key, r.value, path)) << r.value;
    EXPECT_EQ(Utils::ReadFileBytes(path), "[Install]\r\nAppName=PXVideoTools\r\nDeviceID=2\r\n");
  }

  // The folder is not created.
  const std::wstring missing = folder.File(L"missing") + Utils::kPathSeparator + L"set.ini";
  EXPECT_FALSE(Utils::WriteProfileString(L"Install", L"AppName", L"x", missing));
  EXPECT_FALSE(Utils::FileExists(missing));
}

}  // namespace
