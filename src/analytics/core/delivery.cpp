#include "analytics/core/delivery.h"

#include <condition_variable>
#include <exception>
#include <thread>

#include "analytics/core/sdk.h"
#include "analytics/core/send_status.h"
#include "app/diag_output.h"

namespace usage_analytics {
namespace {

constexpr int kForcedRounds = 3;
constexpr auto kPause = std::chrono::milliseconds(1);

// Detached threads may still run while the process ends, so what they touch
// is never destroyed.
struct ThreadCount {
  std::mutex mutex;
  std::condition_variable ended;
  int running = 0;
};

ThreadCount& Threads() {
  static ThreadCount* const threads = new ThreadCount;
  return *threads;
}

}  // namespace

std::mutex& SendLock() {
  static std::mutex* const lock = new std::mutex;
  return *lock;
}

void SendTask(DeliveryState& state, bool forced) {
  std::lock_guard sending(SendLock());
  if (!forced) {
    std::this_thread::sleep_for(kPause);
    state.PendingCount.fetch_add(1);
    return;
  }
  for (int round = 0; round < kForcedRounds && state.PendingCount.load() > 0; ++round) {
    if (Sdk::Flush()) {
      state.PendingCount.exchange(0);
      return;
    }
    std::this_thread::sleep_for(kPause);
  }
}

void Deliver(const std::shared_ptr<DeliveryState>& state, bool forced) {
  if (LastSendSucceeded()) {
    SendTask(*state, forced);
    return;
  }
  EmitDiagText(L"[Usage] Sending messages asynchronously");
  ThreadCount& threads = Threads();
  {
    std::lock_guard lock(threads.mutex);
    ++threads.running;
  }
  try {
    std::thread([state, forced] {
      SendTask(*state, forced);
      ThreadCount& threads = Threads();
      std::lock_guard lock(threads.mutex);
      --threads.running;
      threads.ended.notify_all();
    }).detach();
  } catch (const std::exception&) {
    // No thread to be had: deliver on this one rather than not at all.
    {
      std::lock_guard lock(threads.mutex);
      --threads.running;
    }
    SendTask(*state, forced);
  }
}

bool WaitForDeliveryThreads(std::chrono::milliseconds timeout) {
  ThreadCount& threads = Threads();
  std::unique_lock lock(threads.mutex);
  return threads.ended.wait_for(lock, timeout, [&] { return threads.running == 0; });
}

}  // namespace usage_analytics
