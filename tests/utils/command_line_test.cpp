#include "utils/command_line.h"

#include <gtest/gtest.h>

#include "utils/command_line_cases.h"

namespace {

TEST(CommandLine, SplitsByTheShellRules) {
  for (const auto& c : CommandLineCases())
    EXPECT_EQ(Utils::SplitCommandLine(c.commandLine), c.arguments) << c.commandLine;
}

TEST(CommandLine, EmptyCommandLineNamesTheProgram) {
  EXPECT_EQ(Utils::SplitCommandLine(L"", L"C:\\x\\setup.exe"),
            std::vector<std::wstring>{L"C:\\x\\setup.exe"});
}

TEST(CommandLine, QuotedArgumentsSplitBackUnchanged) {
  const std::vector<std::wstring> arguments = {
      L"C:\\Program Files\\setup.exe", L"", L"plain", L"two words", L"say \"hi\"",
      L"C:\\dir\\",  L"a\\\\\"b",     L"\\\\unc\\share\\", L"tab\there"};
  std::wstring commandLine;
  for (const auto& argument : arguments)
    commandLine += (commandLine.empty() ? L"" : L" ") + Utils::QuoteArgument(argument);
  EXPECT_EQ(Utils::SplitCommandLine(commandLine), arguments) << commandLine;
}

}  // namespace
