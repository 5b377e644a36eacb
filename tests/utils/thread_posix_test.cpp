// The names POSIX tools (ps, top, gdb) show for our threads.
#include <pthread.h>

#include <gtest/gtest.h>

#include <string>

#include "utils/thread.h"

namespace {

std::string SystemNameOfThread(const std::wstring& name, uint32_t* id = nullptr) {
  std::string seen;
  Utils::Thread thread(&seen, name, [](void* argument) {
    char buffer[64] = {};
    pthread_getname_np(pthread_self(), buffer, sizeof buffer);
    *static_cast<std::string*>(argument) = buffer;
  });
  if (id) *id = thread.Id();
  thread.Resume();
  thread.Join();
  return seen;
}

TEST(ThreadPosix, SystemNameIsTheNameCutTo15Bytes) {
  uint32_t id = 0;
  const std::string unnamed = SystemNameOfThread(L"", &id);
  EXPECT_EQ(unnamed, "t" + std::to_string(id));
  EXPECT_EQ(SystemNameOfThread(L"ABDEF"), "ABDEF");
  EXPECT_EQ(SystemNameOfThread(L"abcdefghijklmnopqrstuvwxyz"), "abcdefghijklmno");
  // Six characters of three bytes each: cut after five, not inside the sixth.
  EXPECT_EQ(SystemNameOfThread(L"视频工具箱下"), "视频工具箱");
  EXPECT_EQ(SystemNameOfThread(L"a视频工具箱下"), "a视频工具");
}

}  // namespace
