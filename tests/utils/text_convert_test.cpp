#include "utils/text_convert.h"

#include <gtest/gtest.h>

namespace {

using Utils::kAnsiCodePage;
using Utils::kUtf8CodePage;
using Utils::NarrowToWide;
using Utils::WideToNarrow;

TEST(TextConvert, Utf8RoundTrip) {
  const std::string utf8 = "Pellux\xE8\xA7\x86\xE9\xA2\x91\xE5\xB7\xA5\xE5\x85\xB7\xE7\xAE\xB1 \xF0\x9F\x8E\xAC";
  const std::wstring wide = NarrowToWide(utf8, kUtf8CodePage);
  // The film-frames emoji lies outside the basic plane: two UTF-16 units on Windows.
  const std::wstring expected = std::wstring(L"Pellux视频工具箱 ") + L"\U0001F3AC";
  EXPECT_EQ(wide, expected);
  EXPECT_EQ(WideToNarrow(wide, kUtf8CodePage), utf8);
}

TEST(TextConvert, AnsiCodePageCarriesAscii) {
  EXPECT_EQ(NarrowToWide("KelvraInstaller.exe", kAnsiCodePage), L"KelvraInstaller.exe");
  EXPECT_EQ(WideToNarrow(L"KelvraInstaller.exe", kAnsiCodePage), "KelvraInstaller.exe");
}

TEST(TextConvert, FailuresAndEmptyTextGiveEmptyText) {
  EXPECT_EQ(NarrowToWide("abc", 12345), L"");  // no such code page
  EXPECT_EQ(WideToNarrow(L"abc", 12345), "");
  EXPECT_EQ(NarrowToWide("", kUtf8CodePage), L"");
  EXPECT_EQ(WideToNarrow(L"", kUtf8CodePage), "");
}

TEST(TextConvert, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(NarrowToWide("a\xFF" "b", kUtf8CodePage), L"a\xFFFD" L"b");
  EXPECT_EQ(NarrowToWide("\xC3(", kUtf8CodePage), L"\xFFFD(");
}

}  // namespace
