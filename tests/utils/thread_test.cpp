#include "utils/thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>

#include "app/diag_log.h"
#include "support/diag_capture.h"

namespace {

using Utils::Thread;

constexpr auto kHangGuard = std::chrono::seconds(30);

// The thread id and the function name of a diagnostic line.
struct LineParts {
  uint32_t threadId;
  std::wstring function;
  std::wstring message;
};

LineParts Parse(const std::wstring& line) {
  const size_t t = line.find(L"><T") + 3;
  const size_t open = line.find(L">(", t) + 2;
  const size_t close = line.find(L")<", open);
  const size_t message = line.find(L">: ", close) + 3;
  return {static_cast<uint32_t>(std::stoul(line.substr(t, line.find(L'>', t) - t))),
          line.substr(open, close - open), line.substr(message)};
}

TEST(Thread, RunsTheBodyWithItsArgumentBetweenBeginAndEndLines) {
  DiagCapture capture;
  int value = 0;
  Thread thread(&value, L"ABDEF", [](void* argument) {
    *static_cast<int*>(argument) = 42;
    DIAG_LOG(L"BODY\r\n");
  });
  const uint32_t id = thread.Id();
  ASSERT_NE(id, Thread::kNoId);
  EXPECT_EQ(thread.Name(), L"ABDEF");
  EXPECT_EQ(thread.DebuggerName(), "ABDEF");
  EXPECT_TRUE(capture.Lines().empty());  // suspended: nothing ran yet
  EXPECT_EQ(value, 0);
  thread.Resume();
  thread.Join();
  EXPECT_EQ(value, 42);

  const auto lines = capture.Lines();
  ASSERT_EQ(lines.size(), 3u);
  const LineParts begin = Parse(lines[0]), body = Parse(lines[1]), end = Parse(lines[2]);
  EXPECT_EQ(begin.function, L"Utils::Thread::CallBack");
  EXPECT_EQ(begin.message, L"THREAD BEGIN\r\n");
  EXPECT_EQ(body.message, L"BODY\r\n");
  EXPECT_EQ(end.function, L"Utils::Thread::CallBack");
  EXPECT_EQ(end.message, L"THREAD END\r\n");
  // The id is the one the system gives the thread itself.
  EXPECT_EQ(begin.threadId, id);
  EXPECT_EQ(body.threadId, id);
  EXPECT_EQ(end.threadId, id);
}

TEST(Thread, EmptyNameBecomesTAndTheThreadId) {
  Thread thread(nullptr, L"", [](void*) {});
  ASSERT_NE(thread.Id(), Thread::kNoId);
  EXPECT_EQ(thread.DebuggerName(), "t" + std::to_string(thread.Id()));
  EXPECT_EQ(thread.Name(), L"");
  thread.Resume();
}

TEST(Thread, JoinTwiceIsHarmless) {
  std::atomic<int> runs{0};
  Thread thread(&runs, L"ABDEF", [](void* argument) { ++*static_cast<std::atomic<int>*>(argument); });
  thread.Resume();
  thread.Resume();
  thread.Join();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(thread.Id(), Thread::kNoId);
  thread.Join();
  thread.Resume();  // no thread left to resume
  EXPECT_EQ(thread.Id(), Thread::kNoId);
  EXPECT_EQ(runs, 1);
}

TEST(Thread, NeverResumedThreadEndsWithoutRunningItsBody) {
  DiagCapture capture;
  std::atomic<bool> ran{false};
  {
    Thread thread(&ran, L"", [](void* argument) { *static_cast<std::atomic<bool>*>(argument) = true; });
    EXPECT_NE(thread.Id(), Thread::kNoId);
  }  // destroyed suspended
  {
    Thread thread(&ran, L"", [](void* argument) { *static_cast<std::atomic<bool>*>(argument) = true; });
    thread.Join();
    EXPECT_EQ(thread.Id(), Thread::kNoId);
    thread.Resume();
  }
  EXPECT_FALSE(ran);
  EXPECT_TRUE(capture.Lines().empty());
}

struct SelfJoin {
  Thread* thread = nullptr;
  std::promise<uint32_t> idAfterJoin;
};

TEST(Thread, JoinFromTheThreadItselfDoesNotWaitForItself) {
  SelfJoin context;
  auto idAfterJoin = context.idAfterJoin.get_future();
  Thread thread(&context, L"ABDEF", [](void* argument) {
    auto* self = static_cast<SelfJoin*>(argument);
    self->thread->Join();
    self->idAfterJoin.set_value(self->thread->Id());
  });
  context.thread = &thread;
  thread.Resume();
  ASSERT_EQ(idAfterJoin.wait_for(kHangGuard), std::future_status::ready);
  EXPECT_EQ(idAfterJoin.get(), Thread::kNoId);
  thread.Join();  // the owner finds nothing left to join
}

struct SelfDestroy {
  Thread* thread = nullptr;
  std::promise<void> destroyed;
};

TEST(Thread, BodyMayDestroyItsOwnThreadObject) {
  SelfDestroy context;
  auto destroyed = context.destroyed.get_future();
  context.thread = new Thread(&context, L"ABDEF", [](void* argument) {
    auto* self = static_cast<SelfDestroy*>(argument);
    delete self->thread;  // as a runner restarting itself from its own worker
    self->destroyed.set_value();
  });
  context.thread->Resume();
  EXPECT_EQ(destroyed.wait_for(kHangGuard), std::future_status::ready);
}

}  // namespace
