// Whether the process's latest post succeeded. It decides whether the next
// delivery may block its caller (after a success) or must go to a thread of
// its own (after a failure, and before the first post).
#pragma once

namespace usage_analytics {

bool LastSendSucceeded();
void SetLastSendSucceeded(bool succeeded);

}  // namespace usage_analytics
