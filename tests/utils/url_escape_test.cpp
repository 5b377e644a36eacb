#include "utils/url_escape.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
  std::wstring address;
  std::wstring escaped;
};

TEST(UrlEscape, EscapesEverythingButPrintableAscii) {
  const EscapeCase cases[] = {
      {L"", L""},
      {L"a b  c", L"a+b++c"},
      {L"视", L"%E8%A7%86"},  // UTF-8 bytes, upper-case digits
      {L"é", L"%C3%A9"},
      {L"\U0001F3AC", L"%F0%9F%8E%AC"},  // a surrogate pair on Windows, one character here
      {L"%41%e8", L"%41%e8"},          // already escaped: left alone
      {L":/?&=%#+", L":/?&=%#+"},
      {L"!~", L"!~"},                  // the ends of the printable range
      {L"\t\r\n\x7F", L"%09%0D%0A%7F"},
      {std::wstring(L"a\0b", 3), L"a%00b"},
      {L"http://packages.pellux.example/software/375/Pellux视频工具箱 1.0.exe?a=1&b=2",
       L"http://packages.pellux.example/software/375/"
       L"Pellux%E8%A7%86%E9%A2%91%E5%B7%A5%E5%85%B7%E7%AE%B1+1.0.exe?a=1&b=2"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utils::UrlEscape(c.address), c.escaped) << c.escaped;
}

}  // namespace
