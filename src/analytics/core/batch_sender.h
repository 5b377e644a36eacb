// Sends one batch (a JSON array text) to the collection server and records
// the outcome process-wide. Only status 200 is a success.
#pragma once
#include <string>
#include <string_view>

namespace usage_analytics {

bool SendBatch(const std::string& serverUrl, std::string_view batchText);

}  // namespace usage_analytics
