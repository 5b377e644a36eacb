// The package server's own range answers, which the client tests rely on.
#include <gtest/gtest.h>

#include "download_test_support.h"

namespace {

size_t Collect(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

TEST(PackageServer, AnswersSingleRangesAndRefusesOnesPastTheEnd) {
  download_test::EnsureCurl();
  fixtures::PackageServer server(1000);
  const struct {
    const char* range;  // null: no Range header
    long status;
    uint64_t from, count;
  } cases[] = {
      {nullptr, 200, 0, 1000}, {"10-19", 206, 10, 10}, {"990-", 206, 990, 10},
      {"999-", 206, 999, 1},   {"1000-", 416, 0, 0},   {"5000-6000", 416, 0, 0},
  };
  for (const auto& c : cases) {
    CURL* handle = curl_easy_init();
    ASSERT_NE(handle, nullptr);
    std::string body;
    const std::string url = server.PackageUrl("x");
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    if (c.range) curl_easy_setopt(handle, CURLOPT_RANGE, c.range);
    ASSERT_EQ(curl_easy_perform(handle), CURLE_OK) << (c.range ? c.range : "none");
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(handle);
    EXPECT_EQ(status, c.status) << (c.range ? c.range : "none");
    std::string expected(c.count, '\0');
    fixtures::PackageBytes(c.from, expected.size(), expected.data());
    if (status != 416) {
      EXPECT_EQ(body, expected) << (c.range ? c.range : "none");
    }
    EXPECT_EQ(server.Requests().back().status, c.status);
  }
}

}  // namespace
