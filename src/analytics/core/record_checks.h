// The rules a record's names, ids and reserved properties must pass before it
// is queued. A failed rule writes its reason to standard error, because the
// collection server would silently discard such a record.
#pragma once
#include <string>

#include "analytics/core/object_node.h"

namespace usage_analytics {

// 1 to 100 bytes; first byte a letter, "$" or "_"; later bytes also digits.
bool CheckName(const std::string& label, const std::string& text);
// 1 to 255 bytes.
bool CheckId(const std::string& label, const std::string& text);
// Every key a valid name, "$time" a date-time and "$project" a text; stops at
// the first failure.
bool CheckProperties(const utils::ObjectNode& properties);

}  // namespace usage_analytics
