#include "analytics/core/sdk.h"

#include <cstdlib>
#include <ctime>
#include <exception>

#include "analytics/core/delivery.h"
#include "analytics/core/record_checks.h"

namespace usage_analytics {
namespace {

// The instance pointer changes only at Init and Shutdown; operations take a
// reference under the lock, so an instance outlives every call using it.
std::mutex g_instanceMutex;
std::shared_ptr<Sdk> g_instance;

std::shared_ptr<const PropertiesNode> LibraryPresets() {
  auto presets = std::make_shared<PropertiesNode>();
  presets->SetString("$lib", "cpp");
  presets->SetString("$lib_version", "0.9");
  return presets;
}

template <typename Build>
PropertiesNode OneProperty(Build build) {
  PropertiesNode properties;
  build(properties);
  return properties;
}

}  // namespace

Sdk::Sdk(const std::string& stagingPath, const std::string& serverUrl, const std::string& distinctId,
         bool isLoginId)
    : distinctId_(distinctId),
      isLoginId_(isLoginId),
      superProperties_(LibraryPresets()),
      consumer_(serverUrl, stagingPath) {}

bool Sdk::Init(const std::string& stagingPath, const std::string& serverUrl,
               const std::string& distinctId, bool isLoginId) {
  if (!CheckId("Distinct ID", distinctId)) return false;
  try {
    std::lock_guard lock(g_instanceMutex);
    if (g_instance) return true;
    g_instance = std::make_shared<Sdk>(stagingPath, serverUrl, distinctId, isLoginId);
  } catch (const std::exception&) {
    return false;
  }
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  return true;
}

std::shared_ptr<Sdk> Sdk::Instance() {
  std::lock_guard lock(g_instanceMutex);
  return g_instance;
}

Sdk::State Sdk::ReadState() const {
  std::lock_guard lock(stateMutex_);
  return {{distinctId_, std::string(), isLoginId_}, superProperties_};
}

bool Sdk::AddEvent(const std::string& action, const std::string& eventName,
                   const utils::ObjectNode& properties, const State& state) {
  try {
    std::optional<utils::ObjectNode> record =
        BuildRecord(action, eventName, properties, state.identity, *state.superProperties);
    if (!record) return false;
    consumer_.AddRecord(*record);
    return true;
  } catch (const std::exception&) {
    // Out of memory while building: the record is lost, the caller goes on.
    return false;
  }
}

bool Sdk::Track(const std::string& eventName, const PropertiesNode& properties) {
  const std::shared_ptr<Sdk> sdk = Instance();
  if (!sdk) return false;
  return sdk->AddEvent("track", eventName, properties, sdk->ReadState());
}

bool Sdk::TrackInstallation(const std::string& eventName, const PropertiesNode& properties) {
  PropertiesNode merged;
  merged.SetString("$ios_install_source", "");
  merged.MergeFrom(properties);
  return Track(eventName, merged);
}

bool Sdk::TrackSignup(const std::string& loginId) {
  const std::shared_ptr<Sdk> sdk = Instance();
  if (!sdk) return false;
  State state = sdk->ReadState();
  state.identity.originalId = state.identity.distinctId;
  state.identity.distinctId = loginId;
  const bool queued = sdk->AddEvent("track_signup", "$SignUp", PropertiesNode(), state);
  SetDistinctId(loginId, true);
  return queued;
}

bool Sdk::AddProfile(const std::string& action, const utils::ObjectNode& properties) {
  const std::shared_ptr<Sdk> sdk = Instance();
  if (!sdk) return false;
  return sdk->AddEvent(action, std::string(), properties, sdk->ReadState());
}

bool Sdk::ProfileSet(const PropertiesNode& properties) { return AddProfile("profile_set", properties); }
bool Sdk::ProfileSet(const std::string& name, const std::string& value) {
  return ProfileSet(OneProperty([&](PropertiesNode& p) { p.SetString(name, value); }));
}
bool Sdk::ProfileSet(const std::string& name, int32_t value) {
  return ProfileSet(OneProperty([&](PropertiesNode& p) { p.SetNumber(name, value); }));
}
bool Sdk::ProfileSet(const std::string& name, double value) {
  return ProfileSet(OneProperty([&](PropertiesNode& p) { p.SetNumber(name, value); }));
}

bool Sdk::ProfileSetOnce(const PropertiesNode& properties) {
  return AddProfile("profile_set_once", properties);
}
bool Sdk::ProfileSetOnce(const std::string& name, const std::string& value) {
  return ProfileSetOnce(OneProperty([&](PropertiesNode& p) { p.SetString(name, value); }));
}
bool Sdk::ProfileSetOnce(const std::string& name, int32_t value) {
  return ProfileSetOnce(OneProperty([&](PropertiesNode& p) { p.SetNumber(name, value); }));
}
bool Sdk::ProfileSetOnce(const std::string& name, double value) {
  return ProfileSetOnce(OneProperty([&](PropertiesNode& p) { p.SetNumber(name, value); }));
}

bool Sdk::ProfileIncrement(const PropertiesNode& properties) {
  return AddProfile("profile_increment", properties);
}
bool Sdk::ProfileIncrement(const std::string& name, int32_t value) {
  return ProfileIncrement(OneProperty([&](PropertiesNode& p) { p.SetNumber(name, value); }));
}

bool Sdk::ProfileAppend(const std::string& name, const std::vector<std::string>& values) {
  return AddProfile("profile_append",
                    OneProperty([&](PropertiesNode& p) { p.SetList(name, values); }));
}

void Sdk::RegisterSuperProperties(const PropertiesNode& properties) {
  const std::shared_ptr<Sdk> sdk = Instance();
  if (!sdk) return;
  try {
    // Copy and merge outside the lock; only the pointer swap is guarded.
    // Registrations are rare (start, sign-in, locale), so two racing ones
    // are serialised by re-reading under the lock.
    std::lock_guard registration(sdk->registrationMutex_);
    std::shared_ptr<const PropertiesNode> current = sdk->ReadState().superProperties;
    auto next = std::make_shared<PropertiesNode>(*current);
    next->MergeFrom(properties);
    std::lock_guard lock(sdk->stateMutex_);
    sdk->superProperties_ = std::move(next);
  } catch (const std::exception&) {
  }
}

void Sdk::ClearSuperProperties() {
  const std::shared_ptr<Sdk> sdk = Instance();
  if (!sdk) return;
  std::shared_ptr<const PropertiesNode> presets = LibraryPresets();
  std::lock_guard registration(sdk->registrationMutex_);
  std::lock_guard lock(sdk->stateMutex_);
  sdk->superProperties_ = std::move(presets);
}

void Sdk::SetDistinctId(const std::string& distinctId, bool isLoginId) {
  const std::shared_ptr<Sdk> sdk = Instance();
  if (!sdk) return;
  std::lock_guard lock(sdk->stateMutex_);
  sdk->distinctId_ = distinctId;
  sdk->isLoginId_ = isLoginId;
}

bool Sdk::Flush() {
  const std::shared_ptr<Sdk> sdk = Instance();
  return sdk && sdk->consumer_.Flush();
}

void Sdk::Shutdown() {
  // A delivery thread inside its send task finishes first; one that starts
  // later finds no instance and sends nothing.
  std::lock_guard sending(SendLock());
  std::shared_ptr<Sdk> sdk;
  {
    std::lock_guard lock(g_instanceMutex);
    sdk = std::move(g_instance);
  }
  if (sdk) sdk->consumer_.Shutdown();
}

}  // namespace usage_analytics
