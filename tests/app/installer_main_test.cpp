#include "app/installer_main.h"

#include <gtest/gtest.h>

#include "app/single_instance_guard.h"
#include "support/program_runner.h"

namespace {

TEST(InstallerMain, SecondCopyExitsWithMinusOne) {
  // This test holds the installer's own guard, as a running first copy does.
  SingleInstanceGuard firstCopy(kInstallerMutexName);
  ASSERT_TRUE(firstCopy.Take());
  SingleInstanceGuard sameProcess(kInstallerMutexName);
  EXPECT_FALSE(sameProcess.Take());
  EXPECT_EQ(RunProgram(BesideTestProgram(L"KelvraInstaller"), {}, 30000), -1);
  firstCopy.Release();
  SingleInstanceGuard afterRelease(kInstallerMutexName);
  EXPECT_TRUE(afterRelease.Take());
}

}  // namespace
