#include "utils/profile_file.h"

#include <gtest/gtest.h>

#include "utils/profile_cases.h"

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

}  // namespace
