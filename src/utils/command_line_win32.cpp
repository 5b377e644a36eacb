#include <windows.h>
#include <shellapi.h>

#include "utils/command_line.h"

namespace Utils {

std::wstring ProcessCommandLine() { return GetCommandLineW(); }

std::vector<std::wstring> SplitCommandLineBySystem(const std::wstring& commandLine) {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(commandLine.c_str(), &count);
  if (!argv) return {};
  std::vector<std::wstring> args(argv, argv + count);
  LocalFree(argv);
  return args;
}

}  // namespace Utils
