#include "utils/child_process.h"

#include <algorithm>

namespace Utils {

void ChildProcess::Start(const std::wstring& commandLine) {
  if (commandLine.size() >= kCommandLineBufferSize) throw Exception();
  std::copy(commandLine.begin(), commandLine.end(), commandLine_);
  commandLine_[commandLine.size()] = L'\0';
  StartProcess();
}

}  // namespace Utils
