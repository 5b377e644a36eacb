#include "utils/child_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program_runner.h"
#include "utils/command_line.h"
#include "utils/command_line_cases.h"
#include "utils/text_convert.h"

namespace {

using Utils::ChildProcess;

constexpr uint32_t kHangGuardMs = 60000;

std::wstring FixtureCommand(const std::vector<std::wstring>& arguments) {
  std::wstring commandLine = Utils::QuoteArgument(BesideTestProgram(L"ChildFixture"));
  for (const auto& argument : arguments) commandLine += L" " + Utils::QuoteArgument(argument);
  return commandLine;
}

struct Drained {
  std::string bytes;
  int reads = 0;  // reads that returned data
};

// Reads in blocks until the end of data, as the runners do.
Drained DrainOutput(ChildProcess& child) {
  Drained drained;
  char block[4096];
  while (const size_t count = child.ReadOutput(block, sizeof block)) {
    drained.bytes.append(block, count);
    ++drained.reads;
  }
  return drained;
}

std::string ReadAllErrors(ChildProcess& child) {
  std::string bytes;
  char block[512];
  while (const size_t count = child.ReadError(block, sizeof block)) bytes.append(block, count);
  return bytes;
}

std::string Pattern(size_t count) {
  std::string bytes(count, '\0');
  for (size_t n = 0; n < count; ++n) bytes[n] = static_cast<char>('a' + n % 26);
  return bytes;
}

struct OutputCase {
  std::vector<std::wstring> arguments;
  std::string output;
  uint32_t exitCode;
};

TEST(ChildProcess, OutputIsReadUntilTheEndOfDataAndTheExitCodeAfter) {
  const OutputCase cases[] = {
      {{L"--out", L"hello world"}, "hello world", 0},
      {{}, "", 0},                      // writes nothing: the first read is the end
      {{L"--exit", L"3"}, "", 3},
      {{L"--out", L"partial", L"--exit", L"255"}, "partial", 255},
      // More than a pipe buffer holds: the child blocks until we read.
      {{L"--fill", L"300000"}, Pattern(300000), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FixtureCommand(c.arguments));
    ChildProcess child;
    child.Start(FixtureCommand(c.arguments));
    const Drained drained = DrainOutput(child);
    EXPECT_EQ(drained.bytes, c.output);
    if (c.output.empty()) {
      EXPECT_EQ(drained.reads, 0);
    }
    ASSERT_TRUE(child.Wait(kHangGuardMs));
    EXPECT_FALSE(child.IsRunning());
    EXPECT_EQ(child.ExitCode(), c.exitCode);
    char byte;
    EXPECT_EQ(child.ReadOutput(&byte, 1), 0u);  // still the end, after the exit
  }
}

TEST(ChildProcess, ErrorAndInputPipesAreTheChildsOwn) {
  ChildProcess child;
  child.Start(FixtureCommand({L"--err", L"to standard error", L"--echo-stdin", L"--exit", L"4"}));
  const std::string piped = "piped text 视频";
  ASSERT_TRUE(child.WriteInput(piped.data(), piped.size()));
  // The end of input reaches the child only if no copy of the writing end leaked into it.
  child.CloseInput();
  EXPECT_EQ(DrainOutput(child).bytes, piped);
  EXPECT_EQ(ReadAllErrors(child), "to standard error");
  ASSERT_TRUE(child.Wait(kHangGuardMs));
  EXPECT_EQ(child.ExitCode(), 4u);
  EXPECT_FALSE(child.WriteInput("x", 1));  // closed
}

TEST(ChildProcess, WritingToAChildThatEndedFailsWithoutHarm) {
  ChildProcess child;
  child.Start(FixtureCommand({L"--exit", L"0"}));
  ASSERT_TRUE(child.Wait(kHangGuardMs));
  // Nobody reads the input any more; natively this would raise SIGPIPE.
  const std::string data(1024, 'x');
  EXPECT_FALSE(child.WriteInput(data.data(), data.size()));
  EXPECT_EQ(child.ExitCode(), 0u);
}

std::vector<std::wstring> PrintedArguments(const std::wstring& commandLine) {
  ChildProcess child;
  child.Start(commandLine);
  const std::string bytes = DrainOutput(child).bytes;
  child.Wait(kHangGuardMs);
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();  // text-mode output on Windows
    lines.push_back(Utils::NarrowToWide(line, Utils::kUtf8CodePage));
  }
  return lines;
}

TEST(ChildProcess, ArgumentsReachTheChildAsTheWindowsRulesSplitThem) {
  const std::vector<std::wstring> quoted = {L"two words", L"quote\"inside", L"trailing\\",
                                            L"C:\\Program Files\\", L"", L"视频工具箱",
                                            L"-k=\"x y\""};
  std::vector<std::wstring> expected = {L"--print-args"};
  expected.insert(expected.end(), quoted.begin(), quoted.end());
  std::vector<std::wstring> arguments = {L"--print-args"};
  arguments.insert(arguments.end(), quoted.begin(), quoted.end());
  EXPECT_EQ(PrintedArguments(FixtureCommand(arguments)), expected);

  // Command lines written by hand, as callers build them.
  const std::wstring program = Utils::QuoteArgument(BesideTestProgram(L"ChildFixture"));
  const std::wstring setup = L"setup.exe ";
  for (const auto& c : CommandLineCases()) {
    const std::wstring line = c.commandLine;
    if (line.rfind(setup, 0) != 0) continue;
    SCOPED_TRACE(line);
    std::vector<std::wstring> want = {L"--print-args"};
    want.insert(want.end(), c.arguments.begin() + 1, c.arguments.end());
    EXPECT_EQ(PrintedArguments(program + L" --print-args " + line.substr(setup.size())), want);
  }
}

TEST(ChildProcess, CommandLineFitsInTheBufferOrIsRefused) {
  std::wstring commandLine = FixtureCommand({L"--out"}) + L" ";
  const size_t usable = ChildProcess::kCommandLineBufferSize - 1;
  ASSERT_LT(commandLine.size(), usable);
  const std::wstring text(usable - commandLine.size(), L'x');
  commandLine += text;
  ASSERT_EQ(commandLine.size(), 1023u);
  {
    ChildProcess child;
    child.Start(commandLine);  // exactly full
    EXPECT_EQ(DrainOutput(child).bytes, Utils::WideToNarrow(text, Utils::kUtf8CodePage));
    EXPECT_TRUE(child.Wait(kHangGuardMs));
  }
  for (const size_t extra : {size_t{1}, size_t{5000}}) {
    ChildProcess child;
    EXPECT_THROW(child.Start(commandLine + std::wstring(extra, L'x')), Utils::Exception);
    EXPECT_FALSE(child.IsRunning());
    char byte;
    EXPECT_EQ(child.ReadOutput(&byte, 1), 0u);  // nothing started: no wait for data
  }
}

TEST(ChildProcess, StartFailuresThrow) {
  const std::wstring missing[] = {
      Utils::QuoteArgument(BesideTestProgram(L"NoSuchFixture")) + L" --out x",
      L"kelvra-no-such-program-4711 --out x",  // searched on the path
      L"",
  };
  for (const auto& commandLine : missing) {
    SCOPED_TRACE(commandLine);
    ChildProcess child;
    EXPECT_THROW(child.Start(commandLine), Utils::Exception);
    EXPECT_FALSE(child.IsRunning());
    EXPECT_EQ(child.ExitCode(), std::nullopt);
  }
  // One process per object.
  ChildProcess child;
  child.Start(FixtureCommand({L"--exit", L"0"}));
  EXPECT_THROW(child.Start(FixtureCommand({})), Utils::Exception);
  EXPECT_TRUE(child.Wait(kHangGuardMs));
  EXPECT_EQ(child.ExitCode(), 0u);
}

TEST(ChildProcess, WaitWithATimeoutAnswersWhileTheChildRuns) {
  ChildProcess child;
  child.Start(FixtureCommand({L"--sleep-ms", L"500", L"--exit", L"6"}));
  EXPECT_TRUE(child.IsRunning());
  EXPECT_FALSE(child.Wait(0));
  EXPECT_EQ(child.ExitCode(), std::nullopt);
  EXPECT_TRUE(child.Wait(kHangGuardMs));
  EXPECT_EQ(child.ExitCode(), 6u);
}

}  // namespace
