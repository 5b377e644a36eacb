// The analytics core: one process-wide instance holding the distinct id, the
// login flag, the preset (super) properties and the record queue. Every
// operation validates, builds and queues one record; none of them throws,
// and all but Init do nothing while no instance exists.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "analytics/core/consumer.h"
#include "analytics/core/object_node.h"
#include "analytics/core/record_builder.h"

namespace usage_analytics {

class Sdk {
 public:
  // Refuses an empty or over-long distinct id. A second Init while an
  // instance exists changes nothing and returns true. Texts are UTF-8.
  static bool Init(const std::string& stagingPath, const std::string& serverUrl,
                   const std::string& distinctId, bool isLoginId);

  static bool Track(const std::string& eventName, const PropertiesNode& properties);
  static bool TrackInstallation(const std::string& eventName, const PropertiesNode& properties);
  // Attributes the earlier id's history to `loginId`, which becomes the
  // distinct id from now on.
  static bool TrackSignup(const std::string& loginId);

  static bool ProfileSet(const PropertiesNode& properties);
  static bool ProfileSet(const std::string& name, const std::string& value);
  static bool ProfileSet(const std::string& name, int32_t value);
  static bool ProfileSet(const std::string& name, double value);
  static bool ProfileSetOnce(const PropertiesNode& properties);
  static bool ProfileSetOnce(const std::string& name, const std::string& value);
  static bool ProfileSetOnce(const std::string& name, int32_t value);
  static bool ProfileSetOnce(const std::string& name, double value);
  static bool ProfileIncrement(const PropertiesNode& properties);
  static bool ProfileIncrement(const std::string& name, int32_t value);
  static bool ProfileAppend(const std::string& name, const std::vector<std::string>& values);

  static void RegisterSuperProperties(const PropertiesNode& properties);
  static void ClearSuperProperties();

  // For the tracker's sign-in, which switches to the user's id directly.
  static void SetDistinctId(const std::string& distinctId, bool isLoginId);

  // Sends every queued record; false when no instance exists or a part failed.
  static bool Flush();
  // Waits until no delivery is inside its send task, then saves the queue to
  // the staging file and releases the instance.
  static void Shutdown();

  // The running instance, or null; for the tracker and for tests.
  static std::shared_ptr<Sdk> Instance();

  Sdk(const std::string& stagingPath, const std::string& serverUrl, const std::string& distinctId,
      bool isLoginId);
  Sdk(const Sdk&) = delete;
  Sdk& operator=(const Sdk&) = delete;

  // The identity and the presets as one consistent reading.
  struct State {
    RecordIdentity identity;
    std::shared_ptr<const PropertiesNode> superProperties;
  };
  State ReadState() const;
  Consumer& consumer() { return consumer_; }

 private:
  // Builds the record for `identity` and queues it; false when a rule failed.
  bool AddEvent(const std::string& action, const std::string& eventName,
                const utils::ObjectNode& properties, const State& state);
  static bool AddProfile(const std::string& action, const utils::ObjectNode& properties);

  // Guards the identity and the pointer to the presets. The presets are an
  // immutable snapshot replaced as a whole, so a record built while they
  // change sees the old set or the new one, never part of each.
  mutable std::mutex stateMutex_;
  // Serialises registrations, which copy the presets outside stateMutex_.
  std::mutex registrationMutex_;
  std::string distinctId_;
  bool isLoginId_;
  std::shared_ptr<const PropertiesNode> superProperties_;
  Consumer consumer_;
};

}  // namespace usage_analytics
