// The registry interface on the real registry (Windows) or the file store
// (POSIX), on a key of the tests' own.
#include "utils/registry.h"

#include <gtest/gtest.h>

#include "support/scoped_env.h"
#include "support/test_files.h"
#include "utils/utf16_bytes.h"

namespace {

const std::wstring kKey = L"Software\\KelvraSoft\\KelvraTests";

// Wine's registry adds the terminator the writer left out of a REG_SZ;
// Windows and the POSIX store keep the bytes as written.
std::string StoredUnits(const Utils::RegistryValue& value) {
  std::string bytes = value.bytes;
  if (value.type == Utils::kRegSz && bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == std::string(2, '\0'))
    bytes.resize(bytes.size() - 2);
  return bytes;
}

class Registry : public testing::Test {
 protected:
  Registry() { Utils::DeleteUserKeyTree(kKey); }
  ~Registry() override { Utils::DeleteUserKeyTree(kKey); }

  TempFolder store_;
  ScopedEnv root_{L"KELVRA_REGISTRY_ROOT", store_.Path().wstring()};  // POSIX store only
};

TEST_F(Registry, TextIsWrittenWithoutTerminatorAndReadBack) {
  EXPECT_FALSE(Utils::ReadUserText(kKey, L"Name").has_value());
  ASSERT_TRUE(Utils::WriteUserText(kKey, L"Name", L"C:\\视频\\x"));
  const auto value = Utils::ReadUserValue(kKey, L"Name");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, Utils::kRegSz);
  EXPECT_EQ(StoredUnits(*value), Utils::WideToUtf16Bytes(L"C:\\视频\\x"));
  EXPECT_EQ(StoredUnits(*value).size(), 7u * 2);  // seven characters
  EXPECT_EQ(Utils::ReadUserText(kKey, L"Name"), L"C:\\视频\\x");
  // Names of keys and values ignore case, as the registry does.
  EXPECT_EQ(Utils::ReadUserText(L"SOFTWARE\\kelvrasoft\\kelvratests", L"NAME"), L"C:\\视频\\x");

  ASSERT_TRUE(Utils::WriteUserText(kKey, L"Name", L""));
  EXPECT_EQ(Utils::ReadUserText(kKey, L"Name"), L"");
}

TEST_F(Registry, AnyTypeReadsAsTextUpToTheFirstZero) {
  const struct {
    uint32_t type;
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {Utils::kRegExpandSz, std::string("%\0A\0%\0\0\0", 8), L"%A%"},
      {Utils::kRegBinary, std::string("a\0b\0c", 5), L"abc"},  // odd length: zero high byte
      {Utils::kRegBinary, std::string("a\0\0\0b\0", 6), L"a"},
      {Utils::kRegDword, std::string("\x41\0\0\0", 4), L"A"},
      {Utils::kRegBinary, std::string(), L""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Utils::WriteUserValue(kKey, L"Value", {c.type, c.bytes}));
    const auto value = Utils::ReadUserValue(kKey, L"Value");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->bytes, c.bytes);
    EXPECT_EQ(Utils::ReadUserText(kKey, L"Value"), c.text);
  }
}

TEST_F(Registry, DeletingTheTreeRemovesSubkeysAndValues) {
  ASSERT_TRUE(Utils::WriteUserText(kKey + L"\\Sub", L"A", L"1"));
  ASSERT_TRUE(Utils::WriteUserText(kKey, L"B", L"2"));
  EXPECT_TRUE(Utils::DeleteUserKeyTree(kKey));
  EXPECT_FALSE(Utils::ReadUserText(kKey + L"\\Sub", L"A").has_value());
  EXPECT_FALSE(Utils::ReadUserText(kKey, L"B").has_value());
  EXPECT_TRUE(Utils::DeleteUserKeyTree(kKey));  // already gone
}

}  // namespace
