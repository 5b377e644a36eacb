#include "analytics/usage_tracker.h"

namespace kelvra::usage {

std::shared_ptr<UsageTracker> CreateUsageTracker(const UsageTrackerConfig&) { return nullptr; }

}  // namespace kelvra::usage
