#include "utils/command_line.h"

namespace Utils {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine,
                                           const std::wstring& programPath) {
  if (commandLine.empty()) return {programPath};
  std::vector<std::wstring> args;
  const wchar_t* s = commandLine.c_str();

  // The program path: up to the closing quote when it starts with one, else up
  // to the first blank. No escapes apply to it.
  std::wstring program;
  if (*s == L'"') {
    ++s;
    while (*s && *s != L'"') program += *s++;
    if (*s == L'"') ++s;
  } else {
    while (*s && !IsBlank(*s)) program += *s++;
  }
  args.push_back(program);
  while (IsBlank(*s)) ++s;
  if (!*s) return args;

  // qcount: 0 outside quotes, 1 inside; three quotes in a row give a literal one.
  std::wstring arg;
  int qcount = 0;
  size_t bcount = 0;
  while (*s) {
    if (IsBlank(*s) && qcount == 0) {
      args.push_back(arg);
      arg.clear();
      bcount = 0;
      while (IsBlank(*s)) ++s;
      if (!*s) return args;
      continue;
    }
    if (*s == L'\\') {
      arg += *s++;
      ++bcount;
      continue;
    }
    if (*s == L'"') {
      if ((bcount & 1) == 0) {
        arg.resize(arg.size() - bcount / 2);  // 2n backslashes: n of them, quote erased
        ++qcount;
      } else {
        arg.resize(arg.size() - bcount / 2 - 1);  // 2n+1: n of them and a literal quote
        arg += L'"';
      }
      ++s;
      bcount = 0;
      while (*s == L'"') {
        if (++qcount == 3) {
          arg += L'"';
          qcount = 0;
        }
        ++s;
      }
      if (qcount == 2) qcount = 0;
      continue;
    }
    arg += *s++;
    bcount = 0;
  }
  args.push_back(arg);
  return args;
}

std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled and the quote escaped.
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');  // before the closing quote
  quoted += L'"';
  return quoted;
}

}  // namespace Utils
