#include <gtest/gtest.h>

#include <regex>
#include <thread>

#include "analytics/core/record_checks.h"
#include "analytics/core/sdk_fixture.h"
#include "support/standard_error_capture.h"

namespace {

using usage_analytics::NewTrackId;
using usage_analytics::NowMilliseconds;
using usage_analytics::PropertiesNode;
using usage_analytics::Sdk;

PropertiesNode Props(std::initializer_list<std::pair<const char*, const char*>> texts) {
  PropertiesNode properties;
  for (const auto& [name, value] : texts) properties.SetString(name, value);
  return properties;
}

TEST_F(SdkTest, TrackRecordHasEveryMemberInOrder) {
  ASSERT_TRUE(Start("device-1"));
  const int64_t before = NowMilliseconds();
  ASSERT_TRUE(Sdk::Track("Launch", Props({{"k", "v"}})));
  const int64_t after = NowMilliseconds();

  const std::vector<std::string> texts = QueuedTexts();
  ASSERT_EQ(texts.size(), 1u);
  const std::regex shape(
      R"(\{"_track_id":(\d{1,9}),"distinct_id":"device-1","event":"Launch",)"
      R"("lib":\{"\$lib":"cpp","\$lib_method":"code","\$lib_version":"0\.9"\},)"
      R"("properties":\{"\$lib":"cpp","\$lib_version":"0\.9","k":"v"\},"time":(\d+),"type":"track"\})");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(texts[0], match, shape)) << texts[0];
  const int64_t time = std::stoll(match[2].str());
  EXPECT_GE(time, before);
  EXPECT_LE(time, after);
}

TEST_F(SdkTest, NothingHappensWithoutAnInstance) {
  EXPECT_FALSE(Sdk::Track("Launch", PropertiesNode()));
  EXPECT_FALSE(Sdk::ProfileSet("a", "b"));
  EXPECT_FALSE(Sdk::TrackSignup("user"));
  EXPECT_FALSE(Sdk::Flush());
  Sdk::RegisterSuperProperties(Props({{"a", "b"}}));
  EXPECT_EQ(Sdk::Instance(), nullptr);
}

struct NameCase {
  std::string name;
  bool accepted;
  const char* reason;  // what follows "The <label> " when refused
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << '"' << c.name << '"'; }

class NameRules : public SdkTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameRules, ApplyToEventNamesAndPropertyKeys) {
  const NameCase& c = GetParam();
  ASSERT_TRUE(Start("device-1"));
  {
    StandardErrorCapture errors;
    EXPECT_EQ(Sdk::Track(c.name, PropertiesNode()), c.accepted);
    EXPECT_EQ(errors.Text(), c.accepted ? "" : std::string("The Event Name ") + c.reason);
  }
  {
    PropertiesNode properties;
    properties.SetNumber(c.name, int32_t{1});
    StandardErrorCapture errors;
    EXPECT_EQ(Sdk::Track("Fine", properties), c.accepted);
    EXPECT_EQ(errors.Text(), c.accepted ? "" : std::string("The Property Key ") + c.reason);
  }
  EXPECT_EQ(QueuedTexts().size(), c.accepted ? 2u : 0u);
}

const char kTooLong[] = "is empty or too long, max length is 100";
const char kNotAName[] = "need to be a valid variable name.";

INSTANTIATE_TEST_SUITE_P(
    Sdk, NameRules,
    ::testing::Values(NameCase{std::string(100, 'a'), true, ""},
                      NameCase{std::string(101, 'a'), false, kTooLong},
                      NameCase{"$AppStart", true, ""}, NameCase{"_private_9", true, ""},
                      NameCase{"a1$_Z", true, ""}, NameCase{"1st", false, kNotAName},
                      NameCase{"with-hyphen", false, kNotAName},
                      NameCase{"with blank", false, kNotAName},
                      NameCase{"\xC3\xA9t\xC3\xA9", false, kNotAName}));

TEST_F(SdkTest, OneBadPropertyKeyRefusesTheEvent) {
  ASSERT_TRUE(Start("device-1"));
  StandardErrorCapture errors;
  EXPECT_FALSE(Sdk::Track("Launch", Props({{"good", "1"}, {"bad key", "2"}})));
  EXPECT_EQ(errors.Text(), "The Property Key need to be a valid variable name.");
  EXPECT_TRUE(QueuedTexts().empty());
}

TEST_F(SdkTest, TimePropertySetsTheRecordTime) {
  ASSERT_TRUE(Start("device-1"));
  PropertiesNode properties;
  properties.SetDateTime("$time", 1700000000, 123);
  properties.SetString("k", "v");
  ASSERT_TRUE(Sdk::Track("Launch", properties));
  const std::vector<Json::Value> records = Queued();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]["time"].asInt64(), 1700000000123);
  EXPECT_FALSE(records[0]["properties"].isMember("$time"));
  EXPECT_EQ(records[0]["properties"]["k"].asString(), "v");

  StandardErrorCapture errors;
  EXPECT_FALSE(Sdk::Track("Launch", Props({{"$time", "2024-01-01 00:00:00"}})));
  EXPECT_EQ(errors.Text(), "The property '$time' should be DateTime type.");
  EXPECT_EQ(QueuedTexts().size(), 1u);
}

TEST_F(SdkTest, ProjectPropertyBecomesTheProjectMember) {
  ASSERT_TRUE(Start("device-1"));
  ASSERT_TRUE(Sdk::Track("Launch", Props({{"$project", "pc"}})));
  ASSERT_TRUE(Sdk::Track("Launch", Props({{"$project", ""}})));
  {
    PropertiesNode numeric;
    numeric.SetNumber("$project", int32_t{7});
    StandardErrorCapture errors;
    EXPECT_FALSE(Sdk::Track("Launch", numeric));
    EXPECT_EQ(errors.Text(), "The property '$project' should be String type.");
  }
  const std::vector<Json::Value> records = Queued();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0]["project"].asString(), "pc");
  EXPECT_FALSE(records[0]["properties"].isMember("$project"));
  EXPECT_FALSE(records[1].isMember("project"));
  EXPECT_FALSE(records[1]["properties"].isMember("$project"));
}

TEST_F(SdkTest, TrackRecordsCarryThePresetsGivenOnesWin) {
  ASSERT_TRUE(Start("device-1"));
  Sdk::RegisterSuperProperties(Props({{"$os", "Windows"}, {"shared", "preset"}}));
  ASSERT_TRUE(Sdk::Track("Launch", Props({{"shared", "given"}})));
  ASSERT_TRUE(Sdk::TrackInstallation("Install", PropertiesNode()));
  ASSERT_TRUE(Sdk::TrackInstallation("Install", Props({{"$ios_install_source", "x"}})));
  Sdk::ClearSuperProperties();
  ASSERT_TRUE(Sdk::Track("Later", PropertiesNode()));

  const std::vector<std::string> texts = QueuedTexts();
  ASSERT_EQ(texts.size(), 4u);
  const Json::Value first = fixtures::ParseJson(texts[0]);
  EXPECT_EQ(first["properties"]["$os"].asString(), "Windows");
  EXPECT_EQ(first["properties"]["shared"].asString(), "given");
  EXPECT_EQ(first["properties"]["$lib"].asString(), "cpp");
  EXPECT_EQ(fixtures::ParseJson(texts[1])["properties"]["$ios_install_source"].asString(), "");
  EXPECT_EQ(fixtures::ParseJson(texts[1])["properties"]["$os"].asString(), "Windows");
  EXPECT_EQ(fixtures::ParseJson(texts[2])["properties"]["$ios_install_source"].asString(), "x");
  EXPECT_NE(texts[3].find(R"("properties":{"$lib":"cpp","$lib_version":"0.9"})"), std::string::npos)
      << texts[3];
}

struct ProfileCase {
  const char* label;
  bool (*operation)();
  const char* type;
  const char* properties;  // the exact "properties" text
};

void PrintTo(const ProfileCase& c, std::ostream* out) { *out << c.label; }

class ProfileRecords : public SdkTest, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(ProfileRecords, CarryOnlyTheGivenPropertiesAndTheLoginFlag) {
  const ProfileCase& c = GetParam();
  ASSERT_TRUE(Start("device-1"));
  Sdk::RegisterSuperProperties(Props({{"$os", "Windows"}}));
  ASSERT_TRUE(c.operation());
  Sdk::SetDistinctId("user-7", true);
  ASSERT_TRUE(c.operation());

  const std::vector<std::string> texts = QueuedTexts();
  ASSERT_EQ(texts.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    const std::string expected = std::string("\"properties\":") +
                                 (i == 0 ? std::string(c.properties)
                                         : std::string(c.properties).insert(1, "\"$is_login_id\":true,"));
    EXPECT_NE(texts[i].find(expected + ",\"time\":"), std::string::npos) << texts[i];
    EXPECT_NE(texts[i].find(std::string("\"type\":\"") + c.type + "\"}"), std::string::npos);
    EXPECT_EQ(texts[i].find("\"event\""), std::string::npos);
    EXPECT_NE(texts[i].find(i == 0 ? "\"distinct_id\":\"device-1\"" : "\"distinct_id\":\"user-7\""),
              std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sdk, ProfileRecords,
    ::testing::Values(
        ProfileCase{"SetText", [] { return Sdk::ProfileSet("name", "x"); }, "profile_set", R"({"name":"x"})"},
        ProfileCase{"SetInt", [] { return Sdk::ProfileSet("n", int32_t{-3}); }, "profile_set", R"({"n":-3})"},
        ProfileCase{"SetDouble", [] { return Sdk::ProfileSet("d", 2.5); }, "profile_set", R"({"d":2.5})"},
        ProfileCase{"SetMany", [] { return Sdk::ProfileSet(Props({{"b", "2"}, {"a", "1"}})); },
                    "profile_set", R"({"a":"1","b":"2"})"},
        ProfileCase{"OnceText", [] { return Sdk::ProfileSetOnce("name", "x"); }, "profile_set_once",
                    R"({"name":"x"})"},
        ProfileCase{"OnceInt", [] { return Sdk::ProfileSetOnce("n", int32_t{4}); }, "profile_set_once",
                    R"({"n":4})"},
        ProfileCase{"OnceDouble", [] { return Sdk::ProfileSetOnce("d", 0.5); }, "profile_set_once",
                    R"({"d":0.5})"},
        ProfileCase{"OnceMany", [] { return Sdk::ProfileSetOnce(Props({{"a", "1"}})); },
                    "profile_set_once", R"({"a":"1"})"},
        ProfileCase{"IncrementInt", [] { return Sdk::ProfileIncrement("count", int32_t{1}); },
                    "profile_increment", R"({"count":1})"},
        ProfileCase{"IncrementMany",
                    [] {
                      PropertiesNode p;
                      p.SetNumber("money", 9.5);
                      return Sdk::ProfileIncrement(p);
                    },
                    "profile_increment", R"({"money":9.5})"},
        ProfileCase{"Append", [] { return Sdk::ProfileAppend("tags", {"a", "b"}); }, "profile_append",
                    R"({"tags":["a","b"]})"}),
    [](const ::testing::TestParamInfo<ProfileCase>& info) { return std::string(info.param.label); });

TEST_F(SdkTest, SignupLinksThePreviousIdAndSwitchesToTheLoginId) {
  ASSERT_TRUE(Start("device-1"));
  const std::string longLoginId(300, 'u');  // only the previous id is checked
  ASSERT_TRUE(Sdk::TrackSignup(longLoginId));
  ASSERT_TRUE(Sdk::Track("Launch", PropertiesNode()));

  const std::vector<Json::Value> records = Queued();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0]["type"].asString(), "track_signup");
  EXPECT_EQ(records[0]["event"].asString(), "$SignUp");
  EXPECT_EQ(records[0]["distinct_id"].asString(), longLoginId);
  EXPECT_EQ(records[0]["original_id"].asString(), "device-1");
  EXPECT_EQ(records[0]["properties"]["$lib"].asString(), "cpp");
  EXPECT_FALSE(records[0]["properties"].isMember("$is_login_id"));
  EXPECT_EQ(records[1]["distinct_id"].asString(), longLoginId);
  EXPECT_TRUE(records[1]["properties"]["$is_login_id"].asBool());
  EXPECT_FALSE(records[1].isMember("original_id"));

  Sdk::SetDistinctId("", false);
  StandardErrorCapture errors;
  EXPECT_FALSE(Sdk::TrackSignup("user-2"));
  EXPECT_EQ(errors.Text(), "The Original ID is empty.\n");
}

TEST_F(SdkTest, InitChecksTheDistinctIdAndHappensOnce) {
  {
    StandardErrorCapture errors;
    EXPECT_FALSE(Start(""));
    EXPECT_EQ(errors.Text(), "The Distinct ID is empty.\n");
  }
  {
    StandardErrorCapture errors;
    EXPECT_FALSE(Start(std::string(256, 'd')));
    EXPECT_EQ(errors.Text(), "The Distinct ID is too long, max length is 255.\n");
  }
  EXPECT_EQ(Sdk::Instance(), nullptr);

  ASSERT_TRUE(Start(std::string(255, 'd')));
  EXPECT_TRUE(Start("another", "http://127.0.0.1:9/sa", true));
  ASSERT_TRUE(Sdk::Track("Launch", PropertiesNode()));
  const std::vector<Json::Value> records = Queued();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]["distinct_id"].asString(), std::string(255, 'd'));
  EXPECT_FALSE(records[0]["properties"].isMember("$is_login_id"));
}

TEST(TrackId, NineDigitsFromTwoDrawsAndTheClock) {
  for (int i = 0; i < 2000; ++i) {
    const int64_t before = NowMilliseconds();
    const int64_t id = NewTrackId();
    const int64_t after = NowMilliseconds();
    ASSERT_GE(id, 0);
    ASSERT_LT(id, 990000000);                // first draw: 00 to 98
    ASSERT_NE((id / 10000) % 1000, 999);     // second draw: 000 to 998
    const int64_t clock = id % 10000;
    if (before % 10000 <= after % 10000) {   // no wrap of the last four digits
      ASSERT_GE(clock, before % 10000);
      ASSERT_LE(clock, after % 10000);
    }
  }
}

// Records built while the presets change see one whole set: the two
// presets always come from the same registration.
TEST_F(SdkTest, RecordsSeeWholePresetSetsWhileTheyChange) {
  ASSERT_TRUE(Start("device-1"));
  constexpr int kPerThread = 300;
  std::thread registering([] {
    for (int i = 0; i < 200; ++i) {
      const char* value = i % 2 ? "odd" : "even";
      Sdk::RegisterSuperProperties(Props({{"p1", value}, {"p2", value}}));
      if (i % 50 == 0) Sdk::SetDistinctId(i % 100 ? "device-1" : "device-2", false);
    }
  });
  std::vector<std::thread> tracking;
  for (int t = 0; t < 2; ++t)
    tracking.emplace_back([] {
      for (int i = 0; i < kPerThread; ++i) Sdk::Track("Tick", PropertiesNode());
    });
  registering.join();
  for (std::thread& thread : tracking) thread.join();

  const std::vector<Json::Value> records = Queued();
  ASSERT_EQ(records.size(), 2u * kPerThread);
  for (const Json::Value& record : records) {
    const Json::Value& properties = record["properties"];
    ASSERT_EQ(properties.isMember("p1"), properties.isMember("p2"));
    ASSERT_EQ(properties["p1"], properties["p2"]);
  }
}

}  // namespace
