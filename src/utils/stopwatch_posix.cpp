// The monotonic clock stands in for the Windows tick count: milliseconds cut
// to 32 bits, so it wraps the same way.
#include <time.h>

#include "utils/stopwatch.h"

namespace Utils {

uint32_t SystemTickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u +
                      static_cast<uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}

}  // namespace Utils
