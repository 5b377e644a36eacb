#include "analytics/core/send_status.h"

#include <mutex>

namespace usage_analytics {
namespace {

std::mutex g_mutex;
bool g_succeeded = false;

}  // namespace

bool LastSendSucceeded() {
  std::lock_guard lock(g_mutex);
  return g_succeeded;
}

void SetLastSendSucceeded(bool succeeded) {
  std::lock_guard lock(g_mutex);
  g_succeeded = succeeded;
}

}  // namespace usage_analytics
