// POSIX hands a process its arguments already split; the Windows-style command
// line is rebuilt from them, quoted so that splitting gives them back.
#include <fstream>
#include <iterator>

#include "utils/command_line.h"
#include "utils/module_path.h"
#include "utils/text_convert.h"

namespace Utils {

std::wstring ProcessCommandLine() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::wstring commandLine;
  size_t start = 0;
  while (start < raw.size()) {
    size_t end = raw.find('\0', start);
    if (end == std::string::npos) end = raw.size();
    if (!commandLine.empty()) commandLine += L' ';
    commandLine += QuoteArgument(NarrowToWide(raw.substr(start, end - start), kUtf8CodePage));
    start = end + 1;
  }
  return commandLine;
}

std::vector<std::wstring> SplitCommandLineBySystem(const std::wstring& commandLine) {
  return SplitCommandLine(commandLine, ModuleFilePath());
}

}  // namespace Utils
