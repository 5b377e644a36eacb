#include "analytics/core/delivery.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "analytics/core/sdk_fixture.h"
#include "fixtures/collect_server.h"
#include "support/diag_capture.h"
#include "support/standard_error_capture.h"

namespace {

using usage_analytics::Deliver;
using usage_analytics::DeliveryState;
using usage_analytics::PropertiesNode;
using usage_analytics::Sdk;

const std::wstring kAsyncLine = L"[Usage] Sending messages asynchronously";

class DeliveryTest : public SdkTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Start("device-1", server_.Url()));
    ASSERT_TRUE(Sdk::Track("Launch", PropertiesNode()));
    state_->PendingCount = 1;
  }
  void TearDown() override {
    server_.ReleaseStalled();
    SdkTest::TearDown();
  }

  std::string StagingText() const {
    std::ifstream in(std::filesystem::path(folder_.File(L"staging.txt")), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fixtures::CollectServer server_;
  std::shared_ptr<DeliveryState> state_ = std::make_shared<DeliveryState>();
};

TEST_F(DeliveryTest, BeforeAnySuccessAForcedDeliveryRunsOnANewThread) {
  DiagCapture diag;
  server_.StallAnswers();
  Deliver(state_, true);  // returns while the post is still held by the server
  EXPECT_EQ(diag.Lines(), std::vector<std::wstring>{kAsyncLine});
  ASSERT_TRUE(server_.WaitForRequests(1, std::chrono::seconds(5)));
  EXPECT_EQ(state_->PendingCount.load(), 1);
  server_.ReleaseStalled();

  ASSERT_TRUE(usage_analytics::WaitForDeliveryThreads(std::chrono::seconds(10)));
  EXPECT_EQ(state_->PendingCount.load(), 0);
  EXPECT_TRUE(usage_analytics::LastSendSucceeded());
  ASSERT_EQ(server_.Records().size(), 1u);
  EXPECT_EQ(server_.Records()[0]["event"].asString(), "Launch");
}

TEST_F(DeliveryTest, AfterASuccessDeliveriesRunInline) {
  usage_analytics::SetLastSendSucceeded(true);
  DiagCapture diag;
  Deliver(state_, true);
  EXPECT_EQ(server_.RequestCount(), 1u);
  EXPECT_EQ(state_->PendingCount.load(), 0);

  // Nothing pending: a forced delivery sends nothing.
  ASSERT_TRUE(Sdk::Track("Launch", PropertiesNode()));
  Deliver(state_, true);
  EXPECT_EQ(server_.RequestCount(), 1u);

  // Deferred: only counted.
  Deliver(state_, false);
  EXPECT_EQ(state_->PendingCount.load(), 1);
  EXPECT_EQ(server_.RequestCount(), 1u);
  EXPECT_TRUE(diag.Lines().empty());
}

TEST_F(DeliveryTest, AForcedDeliveryTriesThreeRoundsThenKeepsTheRecords) {
  usage_analytics::SetLastSendSucceeded(true);
  server_.AnswerWith({500});
  StandardErrorCapture errors;
  Deliver(state_, true);
  EXPECT_EQ(server_.RequestCount(), 3u);
  EXPECT_EQ(state_->PendingCount.load(), 1);
  EXPECT_EQ(Sdk::Instance()->consumer().QueueLength(), 1u);
  EXPECT_FALSE(usage_analytics::LastSendSucceeded());
}

// Shutdown must not take the core away from a delivery thread that is still
// sending: it waits, and the batch the thread puts back is what it saves.
TEST_F(DeliveryTest, ShutdownWaitsForADeliveryThreadInsideItsSend) {
  server_.AnswerWith({500});
  server_.StallAnswers();
  StandardErrorCapture errors;
  Deliver(state_, true);
  ASSERT_TRUE(server_.WaitForRequests(1, std::chrono::seconds(5)));

  std::atomic<bool> shutDown{false};
  std::thread shutdown([&] {
    Sdk::Shutdown();
    shutDown = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(shutDown.load());
  server_.ReleaseStalled();
  shutdown.join();
  ASSERT_TRUE(usage_analytics::WaitForDeliveryThreads(std::chrono::seconds(10)));

  EXPECT_EQ(Sdk::Instance(), nullptr);
  const Json::Value saved = fixtures::ParseJson(StagingText());
  EXPECT_EQ(saved["event"].asString(), "Launch");
  EXPECT_EQ(StagingText().back(), '\n');
}

}  // namespace
