// The delivery step that ends every track operation: a forced delivery
// flushes the queue while records are pending, a deferred one only counts
// them. After a failed post (and before the first) deliveries run on a
// detached thread of their own, so an unreachable server never blocks the
// caller; after a success they run inline.
#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

namespace usage_analytics {

// Records queued since the last successful forced flush; only whether it is
// above zero matters. The tracker holds this state; delivery threads share
// it, so it outlives a tracker that goes away while they run.
struct DeliveryState {
  std::atomic<int32_t> PendingCount{0};
};

// Held while a send task runs, by every thread; Sdk::Shutdown takes it too.
std::mutex& SendLock();

void Deliver(const std::shared_ptr<DeliveryState>& state, bool forced);
// Forced: up to 3 flush rounds while records are pending, 1 ms apart.
// Deferred: 1 ms pause, then one more record pending.
void SendTask(DeliveryState& state, bool forced);

// Waits until every delivery thread started so far has ended; false on
// timeout. For orderly teardown and for tests.
bool WaitForDeliveryThreads(std::chrono::milliseconds timeout);

}  // namespace usage_analytics
