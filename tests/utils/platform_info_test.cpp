#include "utils/platform_info.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Utils::WindowsVersionNumbers;

struct VersionCase {
  WindowsVersionNumbers numbers;
  const wchar_t* name;
};

TEST(PlatformInfo, VersionNameTable) {
  const VersionCase cases[] = {
      {{false, 10, 0, 19045, false}, L"XP-"},  // ntdll could not be loaded
      {{true, 0, 0, 0, false}, L"XP-"},        // the version function is missing
      {{true, 4, 90, 0, false}, L"XP-"},
      {{true, 5, 0, 2195, false}, L"2K"},
      {{true, 5, 1, 2600, false}, L"XP"},
      {{true, 5, 2, 3790, false}, L"Server 2003"},
      {{true, 5, 2, 3790, true}, L"Server 2003 R2"},
      {{true, 5, 3, 0, false}, L"XP+"},
      {{true, 6, 0, 6002, false}, L"Vista"},
      {{true, 6, 1, 7601, false}, L"7"},  // also Server 2008 R2
      {{true, 6, 2, 9200, false}, L"8"},
      {{true, 6, 3, 9600, false}, L"8.1"},
      {{true, 6, 4, 9841, false}, L"8.1+"},
      {{true, 10, 0, 22631, false}, L"10"},  // Windows 11 reports 10.0 too
      {{true, 10, 1, 0, false}, L"10+"},
      {{true, 7, 0, 5, false}, L"7.0.5"},
      {{true, 9, 2, 1, false}, L"9.2.1"},
      {{true, 11, 0, 100, false}, L"11.0.100"},
  };
  for (const auto& c : cases) {
    Utils::SetWindowsVersionReaderForTesting([&] { return c.numbers; });
    std::wstring product, version;
    Utils::GetWindowsVersionName(product, version);
    EXPECT_EQ(product, L"Windows");
    EXPECT_EQ(version, c.name) << c.numbers.major << "." << c.numbers.minor;
  }
  Utils::SetWindowsVersionReaderForTesting(nullptr);
}

TEST(PlatformInfo, GuidTextHasOneLowerCaseGroup) {
  Utils::GuidFields guid{0x0A1B2C3D, 0xEF01, 0xABCD, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}};
  EXPECT_EQ(Utils::FormatGuidText(guid), L"0A1B2C3DEF01abcdFEDCBA9876543210");
}

TEST(PlatformInfo, NewGuidsAreFreshHexText) {
  std::set<std::wstring> seen;
  for (int i = 0; i < 50; ++i) {
    const std::wstring text = Utils::NewGuidText();
    ASSERT_EQ(text.size(), 32u);
    EXPECT_EQ(text.find_first_not_of(L"0123456789ABCDEFabcdef"), std::wstring::npos) << text.c_str();
    seen.insert(text);
  }
  EXPECT_EQ(seen.size(), 50u);
}

TEST(PlatformInfo, SixtyFourBitBuildRunsOnSixtyFourBitWindows) {
  // Both targets build 64-bit programs, which only run on a 64-bit system.
  static_assert(sizeof(void*) == 8);
  EXPECT_TRUE(Utils::Is64BitWindows());
}

}  // namespace
