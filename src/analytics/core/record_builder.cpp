#include "analytics/core/record_builder.h"

#include <chrono>
#include <cstdlib>

#include "analytics/core/record_checks.h"

namespace usage_analytics {

using utils::ObjectNode;
using utils::ValueNode;

int64_t NowMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

int64_t NewTrackId() {
  const int64_t first = (std::rand() % 99 + 100) % 100;
  const int64_t second = (std::rand() % 999 + 1000) % 1000;
  const int64_t clock = NowMilliseconds() % 10000;
  return first * 10000000 + second * 10000 + clock;
}

std::optional<ObjectNode> BuildRecord(const std::string& action, const std::string& eventName,
                                      const ObjectNode& properties, const RecordIdentity& identity,
                                      const ObjectNode& superProperties) {
  if (!CheckProperties(properties)) return std::nullopt;
  if (action == "track" && !CheckName("Event Name", eventName)) return std::nullopt;
  if (action == "track_signup" && !CheckId("Original ID", identity.originalId)) return std::nullopt;

  PropertiesNode merged;
  if (action.find("track") != std::string::npos) merged.MergeFrom(superProperties);
  merged.MergeFrom(properties);

  // Only the given set is checked; a preset "$time" of another kind (the
  // presets are registered unchecked) is dropped rather than misread.
  int64_t time = NowMilliseconds();
  if (const ValueNode* given = merged.Find("$time")) {
    if (given->kind() == ValueNode::DATETIME) time = given->seconds() * 1000 + given->milliseconds();
    merged.Erase("$time");
  }
  std::string project;
  if (const ValueNode* given = merged.Find("$project")) {
    project = given->text();
    merged.Erase("$project");
  }
  if (identity.isLoginId) merged.SetBool("$is_login_id", true);

  ObjectNode lib;
  lib.SetString("$lib", "cpp");
  lib.SetString("$lib_version", "0.9");
  lib.SetString("$lib_method", "code");

  ObjectNode record;
  record.SetString("type", action);
  record.SetValue("time", ValueNode::Int(time));
  record.SetString("distinct_id", identity.distinctId);
  // Moved, not copied: a record is built once per event, on the caller's thread.
  record.SetValue("properties", ValueNode::Object(std::move(merged)));
  record.SetValue("lib", ValueNode::Object(std::move(lib)));
  record.SetValue("_track_id", ValueNode::Int(NewTrackId()));
  if (!project.empty()) record.SetString("project", project);
  if (action == "track" || action == "track_signup") record.SetString("event", eventName);
  if (action == "track_signup") record.SetString("original_id", identity.originalId);
  return record;
}

}  // namespace usage_analytics
