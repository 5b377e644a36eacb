// Settings files before and after one profile write, as the portable writer
// leaves them. `systemWritesSame`: the system's writer under Wine leaves the
// same bytes (Wine rewrites the whole file in its own form, so files that are
// not already in that form only read back the same there).
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "utils/text_convert.h"

struct ProfileWriteCase {
  const char* name;
  std::optional<std::string> before;  // none: no file
  const wchar_t* section;
  const wchar_t* key;
  std::wstring value;
  std::string after;
  bool systemWritesSame;
  // Further entries that must read back the same after either writer.
  std::vector<std::pair<const wchar_t*, const wchar_t*>> others;
};

inline const std::vector<ProfileWriteCase>& ProfileWriteCases() {
  using std::string;
  static const std::vector<ProfileWriteCase> cases = {
      {"new file", std::nullopt, L"Install", L"AppName", L"PXVideoTools",
       "[Install]\r\nAppName=PXVideoTools\r\n", true, {}},
      {"non-ASCII text in a new file is written in the ANSI code page", std::nullopt, L"Install",
       L"AppName", L"Pellux视频",
       Utils::WideToNarrow(L"[Install]\r\nAppName=Pellux视频\r\n", Utils::kAnsiCodePage), true, {}},
      {"empty file", "", L"A", L"K", L"v", "[A]\r\nK=v\r\n", true, {}},
      {"value replaced, the rest kept", "[Install]\r\nAppName=old\r\nOther=1\r\n", L"Install",
       L"AppName", L"new", "[Install]\r\nAppName=new\r\nOther=1\r\n", true, {{L"Install", L"Other"}}},
      {"names ignore case and the key keeps its spelling", "[install]\r\nappname=old\r\n", L"Install",
       L"AppName", L"x", "[install]\r\nappname=x\r\n", true, {}},
      {"caller's blanks around names ignored", "[A]\r\nK=1\r\n", L" A ", L" K ", L"2",
       "[A]\r\nK=2\r\n", true, {}},
      {"missing key goes after the section's last entry", "[Install]\r\nA=1\r\n[Next]\r\nB=2\r\n",
       L"Install", L"New", L"v", "[Install]\r\nA=1\r\nNew=v\r\n[Next]\r\nB=2\r\n", true,
       {{L"Install", L"A"}, {L"Next", L"B"}}},
      {"missing section goes to the end", "[Install]\r\nA=1\r\n", L"Init", L"UpdateTime",
       L"2024-01-02 03:04:05", "[Install]\r\nA=1\r\n[Init]\r\nUpdateTime=2024-01-02 03:04:05\r\n", true,
       {{L"Install", L"A"}}},
      {"only the first of two sections", "[A]\r\nK=1\r\n[A]\r\nK=2\r\n", L"A", L"K", L"v",
       "[A]\r\nK=v\r\n[A]\r\nK=2\r\n", true, {}},
      {"last line without its break", "[Install]\r\nKey=old", L"Install", L"New", L"v",
       "[Install]\r\nKey=old\r\nNew=v\r\n", true, {{L"Install", L"Key"}}},
      {"line without equals gets the value", "[A]\r\nK\r\nJ=1\r\n", L"A", L"K", L"v",
       "[A]\r\nK=v\r\nJ=1\r\n", true, {{L"A", L"J"}}},
      {"leading blanks of the value dropped", "[A]\r\n", L"A", L"K", L"  sp  ", "[A]\r\nK=sp  \r\n",
       true, {}},
      {"empty value", "[A]\r\nK=1\r\n", L"A", L"K", L"", "[A]\r\nK=\r\n", true, {}},
      {"entries before the first section belong to none", "K=1\r\n[A]\r\nB=2\r\n", L"A", L"K", L"v",
       "K=1\r\n[A]\r\nB=2\r\nK=v\r\n", true, {{L"A", L"B"}}},
      {"UTF-8 with its mark stays UTF-8", "\xEF\xBB\xBF[A]\r\nK=1\r\n", L"A", L"K", L"视",
       "\xEF\xBB\xBF[A]\r\nK=\xE8\xA7\x86\r\n", true, {}},
      {"UTF-16 with its mark stays UTF-16", string("\xFF\xFE[\0A\0]\0\r\0\n\0K\0=\0" "1\0\r\0\n\0", 22),
       L"A", L"K", L"视", string("\xFF\xFE[\0A\0]\0\r\0\n\0K\0=\0\xC6\x89\r\0\n\0", 22), true, {}},
      {"comments, blank lines and blanks elsewhere kept",
       "; top\r\n\r\n  [ Install ]  \r\n  Key  =  old  \r\n\r\nOther = 1\r\n", L"Install", L"Key", L"new",
       "; top\r\n\r\n  [ Install ]  \r\n  Key=new\r\n\r\nOther = 1\r\n", false, {{L"Install", L"Other"}}},
      {"new key before the blank lines that end the section", "[A]\r\nK=1\r\n\r\n[B]\r\nC=3\r\n", L"A",
       L"N", L"2", "[A]\r\nK=1\r\nN=2\r\n\r\n[B]\r\nC=3\r\n", false, {{L"A", L"K"}, {L"B", L"C"}}},
      {"the file's own line ends kept", "[Install]\nKey=old\nZ=1\n", L"install", L"KEY", L"v",
       "[Install]\nKey=v\nZ=1\n", false, {{L"Install", L"Z"}}},
      {"new section after a last line without its break", "[Install]\nKey=old", L"Other", L"New", L"v",
       "[Install]\nKey=old\r\n[Other]\r\nNew=v\r\n", false, {{L"Install", L"Key"}}},
      {"text after the header's bracket kept", "[A] note\r\nK=1\r\n", L"A", L"K", L"2",
       "[A] note\r\nK=2\r\n", false, {}},
  };
  return cases;
}
