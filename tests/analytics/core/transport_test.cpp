#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <random>

#include "analytics/core/batch_encoding.h"
#include "analytics/core/batch_sender.h"
#include "analytics/core/form_post.h"
#include "analytics/core/send_status.h"
#include "fixtures/batch_decoding.h"
#include "fixtures/collect_server.h"
#include "support/diag_capture.h"
#include "support/standard_error_capture.h"

namespace {

using namespace usage_analytics;

// What zlib itself makes of `text` with the batch parameters, in one call.
std::string ReferenceGzip(const std::string& text) {
  z_stream stream{};
  EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY), Z_OK);
  std::string out(deflateBound(&stream, text.size()) + 64, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

TEST(BatchEncoding, EmptyBatchBody) {
  const std::optional<std::string> body = EncodeBatch("[]");
  ASSERT_TRUE(body);
  EXPECT_EQ(*body, "data_list=" + PercentEncode(Base64Encode(ReferenceGzip("[]"))) + "&gzip=1");

  const std::string encoded = body->substr(10, body->size() - 10 - 7);
  const std::optional<std::string> gzip = fixtures::Base64Decode(*fixtures::PercentDecode(encoded));
  ASSERT_TRUE(gzip);
  // The gzip header: magic, deflate, no flags; 22 bytes in all, so the
  // Base64 text ends in two pad characters, sent percent-encoded.
  ASSERT_EQ(gzip->size(), 22u);
  EXPECT_EQ(gzip->substr(0, 4), std::string("\x1f\x8b\x08\x00", 4));
  EXPECT_EQ(body->substr(body->size() - 13), "%3D%3D&gzip=1");
  EXPECT_EQ(body->substr(0, 14), "data_list=H4sI");
  EXPECT_EQ(fixtures::DecodeBatchBody(*body), "[]");
}

TEST(BatchEncoding, LargeBatchesPassThroughSeveralChunks) {
  std::mt19937 random(7);
  std::string text;
  for (int i = 0; i < 120000; ++i) text += static_cast<char>('!' + random() % 90);
  const std::optional<std::string> gzip = GzipCompress(text);
  ASSERT_TRUE(gzip);
  EXPECT_GT(gzip->size(), 32768u * 2);
  EXPECT_EQ(*gzip, ReferenceGzip(text));
  EXPECT_EQ(fixtures::DecodeBatchBody(*EncodeBatch(text)), text);
}

TEST(BatchEncoding, Base64AndPercentEncoding) {
  const std::pair<const char*, const char*> base64[] = {
      {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"},
      {"\xfb\xff\xbf", "+/+/"}};
  for (const auto& [bytes, text] : base64) EXPECT_EQ(Base64Encode(bytes), text) << text;
  EXPECT_EQ(PercentEncode("aZ09-._~+/= \xC3\xA9%"), "aZ09-._~%2B%2F%3D%20%C3%A9%25");
}

class Transport : public ::testing::Test {
 protected:
  void TearDown() override { SetLastSendSucceeded(false); }
  fixtures::CollectServer server_;
};

TEST_F(Transport, SuccessIsStatus200AndIsRemembered) {
  EXPECT_FALSE(LastSendSucceeded());
  EXPECT_TRUE(SendBatch(server_.Url(), "[{\"a\":1}]"));
  EXPECT_TRUE(LastSendSucceeded());
  const auto requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].records[0]["a"].asInt(), 1);
}

TEST_F(Transport, RedirectsAreNotFollowed) {
  server_.AnswerWith({302});
  const PostResponse response = PostForm(server_.Url(), "data_list=&gzip=1");
  EXPECT_EQ(response.code, 302);
  EXPECT_EQ(server_.RequestCount(), 1u);
}

TEST_F(Transport, ServerDownFailsQuicklyWithLibcurlsReason) {
  const std::string url =
      "http://127.0.0.1:" + std::to_string(fixtures::ClosedLoopbackPort()) + "/sa?project=pc";
  SetLastSendSucceeded(true);
  DiagCapture diag;
  StandardErrorCapture errors;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(SendBatch(url, "[]"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3500));
  EXPECT_FALSE(LastSendSucceeded());
  const std::string prefix = "UsageAnalytics SDK send failed: ";
  const std::string text = errors.Text();
  ASSERT_GT(text.size(), prefix.size() + 1);
  EXPECT_EQ(text.substr(0, prefix.size()), prefix);
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(diag.Lines(), std::vector<std::wstring>{L"[usage] UsageAnalytics SDK send failed"});
}

TEST_F(Transport, AStalledServerIsGivenUpAfterThreeSeconds) {
  server_.StallAnswers();
  const auto start = std::chrono::steady_clock::now();
  const PostResponse response = PostForm(server_.Url(), "data_list=&gzip=1");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  server_.ReleaseStalled();
  EXPECT_EQ(response.code, -1);
  EXPECT_FALSE(response.body.empty());
  EXPECT_GE(elapsed, std::chrono::milliseconds(2500));
  EXPECT_LT(elapsed, std::chrono::seconds(6));
}

}  // namespace
