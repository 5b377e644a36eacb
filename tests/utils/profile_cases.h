// Settings-file texts and what the profile functions read from them.
#pragma once
#include <string>
#include <vector>

struct ProfileStringCase {
  const char* name;
  std::string file;  // bytes
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* fallback;
  size_t bufferSize;
  std::wstring expected;
};

struct ProfileIntCase {
  const char* name;
  std::string value;  // the line "Key=" + value in section [S]; empty string: no such line
  int fallback;
  unsigned expected;
};

inline const std::vector<ProfileStringCase>& ProfileStringCases() {
  static const std::vector<ProfileStringCase> cases = {
      {"plain", "[Install]\r\nDownloadUrl=http://h/p\r\n", L"Install", L"DownloadUrl", L"d", 260, L"http://h/p"},
      {"names ignore case", "[install]\nDOWNLOADURL=x\n", L"Install", L"DownloadUrl", L"d", 260, L"x"},
      {"blanks around name and value", "[Install]\n  Key \t=  a b  \n", L"Install", L"Key", L"d", 260, L"a b"},
      {"missing key gives default", "[Install]\nOther=1\n", L"Install", L"Key", L"dflt", 260, L"dflt"},
      {"default loses trailing spaces", "[Install]\n", L"Install", L"Key", L"dflt  ", 260, L"dflt"},
      {"missing section", "[Other]\nKey=1\n", L"Install", L"Key", L"d", 260, L"d"},
      {"empty value", "[Install]\nKey=\n", L"Install", L"Key", L"d", 260, L""},
      {"line without equals", "[Install]\nKey\n", L"Install", L"Key", L"d", 260, L"d"},
      {"only the first equals splits", "[Install]\nKey=a=b\n", L"Install", L"Key", L"d", 260, L"a=b"},
      {"double quotes stripped", "[Install]\nKey=\"quoted value\"\n", L"Install", L"Key", L"d", 260, L"quoted value"},
      {"single quotes stripped", "[Install]\nKey='v'\n", L"Install", L"Key", L"d", 260, L"v"},
      {"unmatched quote kept", "[Install]\nKey=\"v\n", L"Install", L"Key", L"d", 260, L"\"v"},
      {"first key wins", "[Install]\nKey=1\nKey=2\n", L"Install", L"Key", L"d", 260, L"1"},
      {"cut to the buffer", "[Install]\nKey=" + std::string(300, 'a') + "\n", L"Install", L"Key", L"d", 260,
       std::wstring(259, L'a')},
      {"utf-8 with mark", "\xEF\xBB\xBF[Install]\nKey=\xE8\xA7\x86\xE9\xA2\x91\n", L"Install", L"Key", L"d", 260,
       L"视频"},
      {"utf-16 with mark", std::string("\xFF\xFE[\0I\0n\0s\0t\0a\0l\0l\0]\0\n\0K\0e\0y\0=\0\x46\x89\n\0", 32),
       L"Install", L"Key", L"d", 260, L"\x8946"},
      {"lone carriage returns end lines", "[Install]\rKey=v\r", L"Install", L"Key", L"d", 260, L"v"},
      {"comment line is no key", "[Install]\n;Key=1\nKey=2\n", L"Install", L"Key", L"d", 260, L"2"},
      {"blank lines and indented header", "\n\n   [Install]   \n\nKey=v\n", L"Install", L"Key", L"d", 260, L"v"},
      {"blanks inside the brackets", "[ Install ]\nKey=v\n", L"Install", L"Key", L"d", 260, L"v"},
      {"caller's blanks around names ignored", "[Install]\nKey=v\n", L" Install ", L" Key ", L"d", 260, L"v"},
  };
  return cases;
}

inline const std::vector<ProfileIntCase>& ProfileIntCases() {
  static const std::vector<ProfileIntCase> cases = {
      {"number", "3", 1, 3},
      {"missing", "", 1, 1},
      {"letters read as zero", "abc", 1, 0},
      {"number then letters", "12ab", 1, 12},
      {"blanks and sign", "  -7", 1, static_cast<unsigned>(-7)},
      {"plus sign", "+5", 1, 5},
      {"wraps past 32 bits", "4294967298", 1, 2},
  };
  return cases;
}
