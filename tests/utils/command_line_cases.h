// Command lines and the arguments the Windows shell's rules make of them.
#pragma once
#include <string>
#include <vector>

struct CommandLineCase {
  const wchar_t* commandLine;
  std::vector<std::wstring> arguments;
};

inline const std::vector<CommandLineCase>& CommandLineCases() {
  static const std::vector<CommandLineCase> cases = {
      {L"setup.exe", {L"setup.exe"}},
      {L"\"C:\\Program Files\\setup.exe\" -a", {L"C:\\Program Files\\setup.exe", L"-a"}},
      {L"setup.exe  -a \t -b=c   ", {L"setup.exe", L"-a", L"-b=c"}},
      {L"setup.exe \"-downloadurl=http://h/p?a=b&c=d\"", {L"setup.exe", L"-downloadurl=http://h/p?a=b&c=d"}},
      {L"setup.exe -k=\"two words\"", {L"setup.exe", L"-k=two words"}},
      {L"setup.exe a\\b \\\\server\\share", {L"setup.exe", L"a\\b", L"\\\\server\\share"}},
      {L"setup.exe \"C:\\dir\\\\\" next", {L"setup.exe", L"C:\\dir\\", L"next"}},
      {L"setup.exe a\\\"b", {L"setup.exe", L"a\"b"}},
      {L"setup.exe a\\\\\\\"b", {L"setup.exe", L"a\\\"b"}},
      {L"setup.exe \"\"", {L"setup.exe", L""}},
      {L"setup.exe \"a\"\"b\"", {L"setup.exe", L"a\"b"}},
      {L"setup.exe \"\"\"a\"\"\"", {L"setup.exe", L"\"a\""}},
      {L"setup.exe \"unterminated text", {L"setup.exe", L"unterminated text"}},
      {L"C:\\a\\\"b\" c", {L"C:\\a\\\"b\"", L"c"}},  // no quote rules in an unquoted program path
      {L" leading", {L"", L"leading"}},
      {L"setup.exe 视频 -x=工具箱", {L"setup.exe", L"视频", L"-x=工具箱"}},
  };
  return cases;
}
