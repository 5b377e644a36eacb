// Turns an action, an event name and a property set into one analytics
// record, the object the collection server receives: validated, with the
// presets merged in, the reserved "$time"/"$project" lifted out, the library
// description and a random record number.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "analytics/core/object_node.h"

namespace usage_analytics {

// Who a record is attributed to, as read from the instance at one moment.
struct RecordIdentity {
  std::string distinctId;
  std::string originalId;  // the previous id; read only by "track_signup"
  bool isLoginId = false;
};

// The refused record (a rule failed, its reason on standard error) is empty.
// `superProperties` is merged in for the track actions only.
std::optional<utils::ObjectNode> BuildRecord(const std::string& action, const std::string& eventName,
                                             const utils::ObjectNode& properties,
                                             const RecordIdentity& identity,
                                             const utils::ObjectNode& superProperties);

// Nine digits at most: two random, three random, then the last four of the
// clock's milliseconds. The C generator is seeded once by Sdk::Init.
int64_t NewTrackId();

int64_t NowMilliseconds();

}  // namespace usage_analytics
