// Elapsed times for events: 32-bit millisecond ticks since system start, so
// one wrap of the counter (about every 49.7 days) is still measured right.
#pragma once
#include <cstdint>
#include <functional>

namespace Utils {

// GetTickCount on Windows; CLOCK_MONOTONIC milliseconds cut to 32 bits on POSIX.
uint32_t SystemTickCount();

class Stopwatch {
 public:
  using TickSource = std::function<uint32_t()>;

  explicit Stopwatch(TickSource ticks = SystemTickCount) : ticks_(std::move(ticks)) {}

  void Start();
  // Seconds since Start, 0 when never started.
  float Elapsed() const;

 private:
  TickSource ticks_;
  uint32_t startTick_ = 0;
  bool started_ = false;
};

}  // namespace Utils
