// A running analytics core for one test: staging file in a scratch folder,
// torn down (and delivery threads awaited) afterwards, so tests never see
// each other's instance or send status.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <json/value.h>

#include "analytics/core/delivery.h"
#include "analytics/core/sdk.h"
#include "analytics/core/send_status.h"
#include "fixtures/batch_decoding.h"
#include "support/test_files.h"
#include "utils/text_convert.h"

class SdkTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(usage_analytics::WaitForDeliveryThreads(std::chrono::seconds(15)));
    usage_analytics::Sdk::Shutdown();
    usage_analytics::SetLastSendSucceeded(false);
  }

  std::string StagingPath() const {
    return Utils::WideToNarrow(folder_.File(L"staging.txt"), Utils::kUtf8CodePage);
  }

  bool Start(const std::string& distinctId, const std::string& serverUrl = "http://127.0.0.1:9/sa",
             bool isLoginId = false) {
    return usage_analytics::Sdk::Init(StagingPath(), serverUrl, distinctId, isLoginId);
  }

  static std::vector<std::string> QueuedTexts() {
    const auto sdk = usage_analytics::Sdk::Instance();
    return sdk ? sdk->consumer().QueuedRecords() : std::vector<std::string>();
  }

  static std::vector<Json::Value> Queued() {
    std::vector<Json::Value> records;
    for (const std::string& text : QueuedTexts()) records.push_back(fixtures::ParseJson(text));
    return records;
  }

  TempFolder folder_;
};
