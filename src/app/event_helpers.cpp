#include "app/event_helpers.h"

#include "app/installer_settings.h"
#include "utils/text_convert.h"

namespace {

using Utils::kUtf8CodePage;
using Utils::WideToNarrow;

bool TrackerRuns() { return InstallerSettings::IsEnableAppAnalytics && GlobalTracker() != nullptr; }

}  // namespace

std::shared_ptr<kelvra::usage::UsageTracker>& GlobalTracker() {
  static std::shared_ptr<kelvra::usage::UsageTracker> tracker;
  return tracker;
}

kelvra::usage::UsageTrackerConfig TrackerConfigFromSettings() {
  kelvra::usage::UsageTrackerConfig config;
  config.appName = WideToNarrow(InstallerSettings::AppName + InstallerSettings::DlAppNameSuffix,
                                kUtf8CodePage);
  config.appVersion = WideToNarrow(InstallerSettings::AppVersion, kUtf8CodePage);
  config.appStore = WideToNarrow(InstallerSettings::InstallerFileName, kUtf8CodePage);
  config.dlAppId = WideToNarrow(InstallerSettings::AppName, kUtf8CodePage);
  config.dlAppVersion = WideToNarrow(InstallerSettings::DlAppVersion, kUtf8CodePage);
  config.serverUrl = WideToNarrow(InstallerSettings::AnalyticsUrl, kUtf8CodePage);
  return config;
}

void StartAnalytics() {
  if (!InstallerSettings::IsEnableAppAnalytics) return;
  GlobalTracker() = kelvra::usage::CreateUsageTracker(TrackerConfigFromSettings());
}

void StopAnalytics() {
  // Dropping the last reference destroys the tracker, which delivers its queue.
  GlobalTracker().reset();
}

// The tracker's operations take the events once the analytics core is built
// in; until then no tracker runs and every helper returns here.
void TrackTaskEvent(const std::wstring&, const std::wstring&, float, EventProperties) {
  if (!TrackerRuns()) return;
}

void TrackCrashEvent(const std::wstring&) {
  if (!TrackerRuns()) return;
}

void TrackClickEvent(EventProperties, const std::wstring&) {
  if (!TrackerRuns()) return;
}

void TrackViewEvent(EventProperties) {
  if (!TrackerRuns()) return;
}
