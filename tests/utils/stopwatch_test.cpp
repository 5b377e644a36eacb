#include "utils/stopwatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(Stopwatch, MeasuresAcrossTheWrapOfTheTickCounter) {
  uint32_t now = 0xFFFFFF00;
  Utils::Stopwatch stopwatch([&now] { return now; });
  EXPECT_EQ(stopwatch.Elapsed(), 0.0f);  // never started
  now = 0x10;
  EXPECT_EQ(stopwatch.Elapsed(), 0.0f);
  now = 0xFFFFFF00;
  stopwatch.Start();
  now = 0x00000100;  // wrapped: 0x200 ms later
  EXPECT_FLOAT_EQ(stopwatch.Elapsed(), 0.512f);
  now = 0xFFFFFF00 + 1500u;
  EXPECT_FLOAT_EQ(stopwatch.Elapsed(), 1.5f);
  now = 0x10;
  stopwatch.Start();  // a new start counts from there
  now = 0x10 + 250;
  EXPECT_FLOAT_EQ(stopwatch.Elapsed(), 0.25f);
}

TEST(Stopwatch, SystemTicksAreMilliseconds) {
  Utils::Stopwatch stopwatch;
  stopwatch.Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  // Seconds or microseconds would land far outside these bounds.
  EXPECT_GE(stopwatch.Elapsed(), 0.05f);
  EXPECT_LT(stopwatch.Elapsed(), 60.0f);
}

}  // namespace
