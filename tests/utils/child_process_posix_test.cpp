// What POSIX adds to a child's lifetime: descriptors and exit statuses that
// this process must give back itself.
#include <dirent.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "support/program_runner.h"
#include "utils/child_process.h"
#include "utils/command_line.h"

namespace {

size_t OpenDescriptors() {
  size_t count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir)) ++count;
    closedir(dir);
  }
  return count;
}

struct Children {
  int running = 0;
  int zombies = 0;
};

// This process's children, from their /proc/<pid>/stat lines.
Children ChildrenOfThisProcess() {
  Children children;
  DIR* dir = opendir("/proc");
  if (!dir) return children;
  while (dirent* entry = readdir(dir)) {
    std::ifstream in(std::string("/proc/") + entry->d_name + "/stat");
    std::string line;
    if (!std::getline(in, line)) continue;
    const size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 1));
    char state = 0;
    long parent = 0;
    rest >> state >> parent;
    if (parent != getpid()) continue;
    ++(state == 'Z' ? children.zombies : children.running);
  }
  closedir(dir);
  return children;
}

template <typename Done>
bool WithinSeconds(int seconds, Done done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

std::wstring Fixture(const std::wstring& arguments) {
  return Utils::QuoteArgument(BesideTestProgram(L"ChildFixture")) + L" " + arguments;
}

TEST(ChildProcessPosix, EveryDescriptorIsClosedAfterUseAndFailure) {
  const size_t before = OpenDescriptors();
  {
    Utils::ChildProcess child;
    EXPECT_EQ(OpenDescriptors(), before + 6);
    child.Start(Fixture(L"--exit 0"));
    EXPECT_EQ(OpenDescriptors(), before + 3);  // the child's ends went with it
    child.Wait();
  }
  {
    Utils::ChildProcess child;
    EXPECT_THROW(child.Start(L"kelvra-no-such-program-4711"), Utils::Exception);
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST(ChildProcessPosix, NoZombieIsLeftWhetherTheChildEndedOrStillRuns) {
  ASSERT_EQ(ChildrenOfThisProcess().zombies, 0);
  {
    Utils::ChildProcess child;
    child.Start(Fixture(L"--exit 1"));
    ASSERT_TRUE(WithinSeconds(30, [] { return ChildrenOfThisProcess().zombies == 1; }));
  }
  EXPECT_EQ(ChildrenOfThisProcess().zombies, 0);  // collected as it was destroyed
  {
    Utils::ChildProcess child;
    child.Start(Fixture(L"--sleep-ms 300"));
    EXPECT_EQ(ChildrenOfThisProcess().running, 1);
  }
  // Left running, and collected once it ends.
  EXPECT_TRUE(WithinSeconds(30, [] {
    const Children now = ChildrenOfThisProcess();
    return now.running == 0 && now.zombies == 0;
  }));
}

}  // namespace
