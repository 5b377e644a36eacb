#include "utils/stopwatch.h"

namespace Utils {

void Stopwatch::Start() {
  startTick_ = ticks_();
  started_ = true;
}

float Stopwatch::Elapsed() const {
  if (!started_) return 0.0f;
  const uint32_t elapsedMs = ticks_() - startTick_;  // unsigned: right across one wrap
  return static_cast<float>(elapsedMs) / 1000.0f;
}

}  // namespace Utils
