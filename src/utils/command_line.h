// Command lines as Windows writes them: one text, split into arguments by the
// shell's rules (white space separates, double quotes group, backslashes
// escape quotes only).
#pragma once
#include <string>
#include <vector>

namespace Utils {

// The rules of CommandLineToArgvW, portably. An empty command line yields one
// argument, `programPath`.
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine,
                                           const std::wstring& programPath = {});

// Quotes one argument so that SplitCommandLine gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument);

// The command line of this process, and its arguments split by the system's
// rules (CommandLineToArgvW on Windows).
std::wstring ProcessCommandLine();
std::vector<std::wstring> SplitCommandLineBySystem(const std::wstring& commandLine);

}  // namespace Utils
