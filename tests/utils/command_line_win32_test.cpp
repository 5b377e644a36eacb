// The portable splitter against the system's own CommandLineToArgvW.
#include <gtest/gtest.h>

#include "utils/command_line.h"
#include "utils/command_line_cases.h"

namespace {

TEST(CommandLineWin32, PortableSplitterMatchesTheSystem) {
  for (const auto& c : CommandLineCases())
    EXPECT_EQ(Utils::SplitCommandLineBySystem(c.commandLine), Utils::SplitCommandLine(c.commandLine))
        << c.commandLine;
}

}  // namespace
