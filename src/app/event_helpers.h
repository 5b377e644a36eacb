// How installer code reports analytics events, from any thread. Each helper
// does nothing while analytics is off or no tracker runs.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "analytics/usage_tracker.h"

// Every call site passes {"AB", "IN"}; "AB" is the only key looked at.
using EventProperties = std::map<std::wstring, std::wstring>;

void TrackTaskEvent(const std::wstring& name, const std::wstring& reason, float elapsedSeconds,
                    EventProperties properties);
void TrackCrashEvent(const std::wstring& description);
void TrackClickEvent(EventProperties properties, const std::wstring& elementName);
void TrackViewEvent(EventProperties properties);

// Starts the tracker from the settings when analytics is on; stops it by
// dropping the process-wide reference, which delivers what is queued.
void StartAnalytics();
void StopAnalytics();

// The process-wide tracker reference; written only by the two calls above.
std::shared_ptr<kelvra::usage::UsageTracker>& GlobalTracker();

// The configuration StartAnalytics builds from the settings.
kelvra::usage::UsageTrackerConfig TrackerConfigFromSettings();
