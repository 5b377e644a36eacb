#include "analytics/core/consumer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <sstream>

#include "analytics/core/send_status.h"
#include "fixtures/batch_decoding.h"
#include "fixtures/collect_server.h"
#include "support/diag_capture.h"
#include "support/standard_error_capture.h"
#include "support/test_files.h"
#include "utils/text_convert.h"

namespace {

using fixtures::CollectServer;
using usage_analytics::Consumer;

std::string Record(int n) { return "{\"n\":" + std::to_string(n) + "}"; }

std::vector<int> Numbers(const std::vector<std::string>& texts) {
  std::vector<int> numbers;
  for (const std::string& text : texts) numbers.push_back(fixtures::ParseJson(text)["n"].asInt());
  return numbers;
}

template <typename Records>
std::vector<int> NumbersOf(const Records& records) {
  std::vector<int> numbers;
  for (const Json::Value& record : records) numbers.push_back(record["n"].asInt());
  return numbers;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> numbers;
  for (int n = from; n < to; ++n) numbers.push_back(n);
  return numbers;
}

std::string ReadFile(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ConsumerTest : public ::testing::Test {
 protected:
  void TearDown() override { usage_analytics::SetLastSendSucceeded(false); }

  std::string Staging() const {
    return Utils::WideToNarrow(folder_.File(L"staging.txt"), Utils::kUtf8CodePage);
  }
  std::unique_ptr<Consumer> Make(const std::string& url) {
    return std::make_unique<Consumer>(url, Staging());
  }
  void Fill(Consumer& consumer, int from, int to) {
    for (int n = from; n < to; ++n) consumer.AddRecordText(Record(n));
  }

  TempFolder folder_;
  CollectServer server_;
};

TEST_F(ConsumerTest, SendsBatchesOfThirtyOldestFirst) {
  auto consumer = Make(server_.Url());
  Fill(*consumer, 0, 31);
  EXPECT_TRUE(consumer->Flush());
  EXPECT_EQ(consumer->QueueLength(), 0u);
  EXPECT_TRUE(usage_analytics::LastSendSucceeded());

  const std::vector<fixtures::CollectedRequest> requests = server_.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(NumbersOf(requests[0].records), Range(0, 30));
  EXPECT_EQ(NumbersOf(requests[1].records), Range(30, 31));
  for (const auto& request : requests) {
    EXPECT_EQ(request.decodeError, "");
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, "/sa");
    EXPECT_EQ(request.query, "pc");
    EXPECT_EQ(request.userAgent, "UsageAnalytics CPP SDK 0.9");
    EXPECT_EQ(request.contentType, "application/x-www-form-urlencoded");
  }
  // The stored texts are joined as they are.
  EXPECT_EQ(requests[1].batchText, "[{\"n\":30}]");
}

TEST_F(ConsumerTest, NothingQueuedMeansNoPost) {
  auto consumer = Make(server_.Url());
  EXPECT_TRUE(consumer->Flush());
  EXPECT_TRUE(consumer->FlushPart());
  EXPECT_EQ(server_.RequestCount(), 0u);
}

TEST_F(ConsumerTest, HoldsTheNewest1024) {
  auto consumer = Make(server_.Url());
  Fill(*consumer, 0, 1025);
  const std::vector<int> queued = Numbers(consumer->QueuedRecords());
  ASSERT_EQ(queued.size(), 1024u);
  EXPECT_EQ(queued.front(), 1);
  EXPECT_EQ(queued.back(), 1024);
}

TEST_F(ConsumerTest, AnyStatusBut200FailsAndPutsTheBatchBack) {
  for (const int status : {204, 500}) {
    SCOPED_TRACE(status);
    usage_analytics::SetLastSendSucceeded(true);
    server_.AnswerWith({status});
    auto consumer = Make(server_.Url());
    Fill(*consumer, 0, 31);
    DiagCapture diag;
    StandardErrorCapture errors;
    EXPECT_FALSE(consumer->Flush());
    // Flush stops at the first failed part, and the batch is back in front.
    EXPECT_EQ(Numbers(consumer->QueuedRecords()), Range(0, 31));
    EXPECT_FALSE(usage_analytics::LastSendSucceeded());
    const std::string body = status == 204 ? "" : "status 500";
    EXPECT_EQ(errors.Text(), "UsageAnalytics SDK send failed: " + body + "\n");
    EXPECT_EQ(diag.Lines(), std::vector<std::wstring>{L"[usage] UsageAnalytics SDK send failed"});
  }
  EXPECT_EQ(server_.RequestCount(), 2u);
}

TEST_F(ConsumerTest, AFailedBatchKeepsOnlyWhatFitsBesideNewerRecords) {
  auto consumer = Make(server_.Url());
  Fill(*consumer, 0, 30);
  server_.AnswerWith({500});
  server_.StallAnswers();
  StandardErrorCapture errors;
  auto part = std::async(std::launch::async, [&] { return consumer->FlushPart(); });
  ASSERT_TRUE(server_.WaitForRequests(1, std::chrono::seconds(5)));
  Fill(*consumer, 1000, 2010);  // 1010 queued while the batch is out
  server_.ReleaseStalled();
  EXPECT_FALSE(part.get());

  std::vector<int> expected = Range(16, 30);  // the 14 newest of the batch
  const std::vector<int> newer = Range(1000, 2010);
  expected.insert(expected.end(), newer.begin(), newer.end());
  EXPECT_EQ(Numbers(consumer->QueuedRecords()), expected);
}

TEST_F(ConsumerTest, StagingLoadsRecordLinesOnceInFront) {
  WriteBytes(folder_.File(L"staging.txt"),
             "{\"n\":1}\n{\"n\":2}\nnot a record\n\n{\"n\":3}\n{\"n\":4\n");
  auto consumer = Make(server_.Url());
  consumer->AddRecordText(Record(10));
  consumer->LoadStaging();
  EXPECT_EQ(Numbers(consumer->QueuedRecords()), (std::vector<int>{1, 2, 3, 10}));
  EXPECT_EQ(ReadFile(folder_.File(L"staging.txt")), "");

  WriteBytes(folder_.File(L"staging.txt"), "{\"n\":5}\n");
  consumer->LoadStaging();
  EXPECT_TRUE(consumer->Flush());
  EXPECT_EQ(NumbersOf(server_.Records()), (std::vector<int>{1, 2, 3, 10}));
  EXPECT_EQ(ReadFile(folder_.File(L"staging.txt")), "{\"n\":5}\n");
}

TEST_F(ConsumerTest, StagingFillsOnlyTheFreeRoomWithTheLatestLines) {
  std::string lines;
  for (int n = 1; n <= 3; ++n) lines += Record(n) + "\n";
  WriteBytes(folder_.File(L"staging.txt"), lines);
  auto consumer = Make(server_.Url());
  Fill(*consumer, 100, 100 + 1022);
  consumer->LoadStaging();
  const std::vector<int> queued = Numbers(consumer->QueuedRecords());
  ASSERT_EQ(queued.size(), 1024u);
  EXPECT_EQ(queued[0], 2);
  EXPECT_EQ(queued[1], 3);
  EXPECT_EQ(queued[2], 100);
}

TEST_F(ConsumerTest, ShutdownCarriesUnsentRecordsToTheNextRun) {
  {
    auto consumer = Make(fixtures::CollectServer().Url());  // that server is gone again
    WriteBytes(folder_.File(L"staging.txt"), Record(0) + "\n");
    Fill(*consumer, 1, 4);
    consumer->Shutdown();
  }
  EXPECT_EQ(ReadFile(folder_.File(L"staging.txt")), "{\"n\":0}\n{\"n\":1}\n{\"n\":2}\n{\"n\":3}\n");

  auto next = Make(server_.Url());
  next->AddRecordText(Record(4));
  EXPECT_TRUE(next->Flush());
  EXPECT_EQ(NumbersOf(server_.Records()), Range(0, 5));
  next->DumpStaging();
  EXPECT_EQ(ReadFile(folder_.File(L"staging.txt")), "");
}

}  // namespace
