// How fast the analytics core queues records and empties a full queue:
// records per second through Sdk::Track on one thread with the installer's
// load (20 presets, 8 event properties), and the time to send 1024 queued
// records to a collection server on loopback.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "analytics/core/sdk.h"
#include "fixtures/collect_server.h"

namespace {

using Clock = std::chrono::steady_clock;
using usage_analytics::PropertiesNode;
using usage_analytics::Sdk;

constexpr int kTrackRecords = 300000;
constexpr double kTrackTarget = 200000.0;
constexpr double kFlushTargetSeconds = 0.5;
constexpr int kFlushRounds = 5;

double Seconds(Clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

PropertiesNode Presets() {
  PropertiesNode presets;
  for (int i = 0; i < 14; ++i)
    presets.SetString("qz_preset_" + std::to_string(i), "value of preset " + std::to_string(i));
  presets.SetString("$os", "Windows");
  presets.SetString("$os_version", "10.0.19045");
  presets.SetString("$app_version", "1.7.9");
  presets.SetNumber("$screen_width", int32_t{1920});
  presets.SetNumber("$screen_height", int32_t{1080});
  presets.SetString("qz_l10n_locale", "zh_CN");
  return presets;
}

PropertiesNode EventProperties() {
  PropertiesNode properties;
  properties.SetString("AB", "IN");
  properties.SetString("task_name", "download");
  properties.SetString("task_state", "success");
  properties.SetString("url", "http://packages.pellux.example/software/375/setup.exe");
  properties.SetNumber("duration", 12.5);
  properties.SetNumber("code", int32_t{1003});
  properties.SetBool("retry", false);
  properties.SetString("message", "\xe4\xb8\x8b\xe8\xbd\xbd\xe5\xae\x8c\xe6\x88\x90");
  return properties;
}

}  // namespace

int main() {
  const std::filesystem::path staging =
      std::filesystem::temp_directory_path() / "kelvra-analytics-bench-staging.txt";
  fixtures::CollectServer server;
  if (!Sdk::Init(staging.string(), server.Url(), "bench-device-0001", false)) {
    std::fprintf(stderr, "the analytics core did not start\n");
    return 1;
  }
  Sdk::RegisterSuperProperties(Presets());
  const PropertiesNode properties = EventProperties();

  const auto trackStart = Clock::now();
  for (int i = 0; i < kTrackRecords; ++i) Sdk::Track("QzEventTask", properties);
  const double trackSeconds = Seconds(Clock::now() - trackStart);
  const double perSecond = kTrackRecords / trackSeconds;
  std::printf("Track, 20 presets + 8 properties, one thread: %.0f records/s (%d in %.3f s; target >= %.0f/s: %s)\n",
              perSecond, kTrackRecords, trackSeconds, kTrackTarget,
              perSecond >= kTrackTarget ? "met" : "MISSED");

  std::vector<double> flushes;
  for (int round = 0; round < kFlushRounds; ++round) {
    Sdk::Instance()->consumer().Flush();  // empty the queue the previous step left
    for (size_t i = 0; i < usage_analytics::Consumer::kCapacity; ++i) Sdk::Track("QzEventTask", properties);
    const size_t before = server.RequestCount();
    const auto start = Clock::now();
    const bool sent = Sdk::Flush();
    flushes.push_back(Seconds(Clock::now() - start));
    if (!sent || server.RequestCount() - before != 35) {
      std::fprintf(stderr, "flush failed or sent %zu posts\n", server.RequestCount() - before);
      return 1;
    }
  }
  std::sort(flushes.begin(), flushes.end());
  const double median = flushes[flushes.size() / 2];
  std::printf("Flush of 1024 records (35 posts) to loopback: median %.3f s, best %.3f s over %d rounds (target < %.1f s: %s)\n",
              median, flushes.front(), kFlushRounds, kFlushTargetSeconds,
              median < kFlushTargetSeconds ? "met" : "MISSED");

  Sdk::Shutdown();
  std::filesystem::remove(staging);
  return 0;
}
