// The thread name as a debugger receives it: the thread-name exception.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "utils/thread.h"

namespace {

struct Announcement {
  ULONG_PTR type;
  std::string name;
  DWORD threadId;
};

std::vector<Announcement> g_seen;

LONG CALLBACK CatchThreadName(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* record = info->ExceptionRecord;
  if (record->ExceptionCode != 0x406D1388 || record->NumberParameters < 3)
    return EXCEPTION_CONTINUE_SEARCH;
  // The record is {DWORD type; LPCSTR name; DWORD thread id; DWORD flags}.
  const auto* raw = reinterpret_cast<const ULONG_PTR*>(record->ExceptionInformation);
  g_seen.push_back({raw[0] & 0xFFFFFFFF, reinterpret_cast<const char*>(raw[1]),
                    static_cast<DWORD>(raw[2] & 0xFFFFFFFF)});
  return EXCEPTION_CONTINUE_EXECUTION;
}

TEST(ThreadWin32, NameIsAnnouncedToDebuggersWithTheThreadId) {
  g_seen.clear();
  PVOID handler = AddVectoredExceptionHandler(1, CatchThreadName);
  ASSERT_NE(handler, nullptr);
  uint32_t namedId = 0, unnamedId = 0;
  {
    Utils::Thread named(nullptr, L"ABDEF", [](void*) {});
    Utils::Thread unnamed(nullptr, L"", [](void*) {});
    namedId = named.Id();
    unnamedId = unnamed.Id();
    named.Resume();
    unnamed.Resume();
  }
  RemoveVectoredExceptionHandler(handler);
  ASSERT_EQ(g_seen.size(), 2u);
  EXPECT_EQ(g_seen[0].type, 0x1000u);
  EXPECT_EQ(g_seen[0].name, "ABDEF");
  EXPECT_EQ(g_seen[0].threadId, namedId);
  EXPECT_EQ(g_seen[1].name, "t" + std::to_string(unnamedId));
  EXPECT_EQ(g_seen[1].threadId, unnamedId);
}

}  // namespace
