#include <windows.h>

#include "support/program_runner.h"
#include "utils/command_line.h"
#include "utils/module_path.h"

std::wstring BesideTestProgram(const std::wstring& name) {
  return Utils::FolderPart(Utils::ModuleFilePath()) + L"\\" + name + L".exe";
}

std::optional<int> RunProgram(const std::wstring& path, const std::vector<std::wstring>& arguments,
                              int timeoutMs) {
  std::wstring commandLine = Utils::QuoteArgument(path);
  for (const auto& argument : arguments) commandLine += L" " + Utils::QuoteArgument(argument);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return std::nullopt;
  CloseHandle(process.hThread);
  std::optional<int> result;
  if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0) {
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) result = static_cast<int>(code);
  } else {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  CloseHandle(process.hProcess);
  return result;
}
