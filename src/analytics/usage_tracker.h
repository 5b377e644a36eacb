// The analytics tracker as the installer sees it: a configuration record and
// the process-wide shared reference to the running tracker.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace kelvra::usage {

// Texts in UTF-8.
struct UsageTrackerConfig {
  std::string appName;
  std::string appVersion;
  std::string appStore;
  std::string dlAppId;
  std::string dlAppVersion;
  std::string reserved;     // carried along, not read by the tracker
  std::string logFilePath;  // empty selects the default
  int32_t edition = 0;      // the first edition, "china"
  std::string serverUrl;    // empty selects the built-in collection address
};

class UsageTracker {
 public:
  virtual ~UsageTracker() = default;
};

// Starts a tracker from the configuration. Until the analytics core is part
// of this build there is no tracker to start and the result is empty.
std::shared_ptr<UsageTracker> CreateUsageTracker(const UsageTrackerConfig& config);

}  // namespace kelvra::usage
