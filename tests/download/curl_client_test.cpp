// The HTTP client against the in-process package server: discovery, the size
// limit, redirects, resume from the part file, faults, and 64-bit sizes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "download/curl_client.h"
#include "download/file_md5.h"
#include "download_test_support.h"
#include "support/test_files.h"

namespace {

using namespace download_test;
constexpr uint64_t kMiB = 1048576;

class CurlClientTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureCurl(); }
  TempFolder folder_;
  std::wstring Destination() const { return folder_.File(L"setup.exe"); }
};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST_F(CurlClientTest, RefusesPackagesUnderOneMebibyteAfterBothDiscoveryTries) {
  const struct {
    uint64_t size;
    int result;
  } cases[] = {{kMiB - 1, CurlClient::kSizeUnknown}, {kMiB, 0}};
  for (const auto& c : cases) {
    fixtures::PackageServer server(c.size);
    DiagCapture diag;
    CurlClient client(Wide(server.PackageUrl()), Destination(), nullptr, nullptr);
    EXPECT_EQ(client.Start(), c.result) << c.size;
    const auto requests = server.PackageRequests();
    if (c.result == 0) {
      EXPECT_TRUE(HoldsPackage(Destination(), c.size));
      EXPECT_FALSE(Utils::FileExists(client.Path(true)));
      EXPECT_EQ(Count(requests, "HEAD"), 1u);
      EXPECT_EQ(CountLines(diag, L"(CurlClient::Start)"), 3u);  // start, result, end
    } else {
      // Head, then the address and length queries of the second try; no body.
      EXPECT_EQ(Count(requests, "HEAD"), 3u);
      EXPECT_EQ(Count(requests, "GET"), 0u);
      EXPECT_FALSE(Utils::FileExists(client.Path(true)));
      EXPECT_EQ(CountLines(diag, L"error:-998:Unknown error\r\n"), 1u);
    }
    EXPECT_EQ(CountLines(diag, L"start download\r\n"), 1u);
    EXPECT_EQ(CountLines(diag, L"end download\r\n"), 1u);
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(Destination()), ignored);
  }
}

TEST_F(CurlClientTest, DownloadsFromTheEndOfARedirectChainAndReplacesAnOldFile) {
  fixtures::PackageServer server(kMiB + 12345);
  WriteBytes(Destination(), "an older package");
  CurlClient client(Wide(server.RedirectUrl(3)), Destination(), nullptr, nullptr);
  ASSERT_EQ(client.Start(), 0);
  EXPECT_EQ(client.EffectiveUrl(), server.PackageUrl());
  EXPECT_EQ(GetUrlMd5(client.EffectiveUrl()), server.Md5());
  EXPECT_TRUE(HoldsPackage(Destination(), server.Size()));
  const auto gets = server.PackageRequests();
  ASSERT_EQ(Count(gets, "GET"), 1u);
  for (const auto& request : gets) {
    // Identity encoding: the body lands in the file as it is sent.
    EXPECT_EQ(request.acceptEncoding, "") << request.method;
    EXPECT_EQ(request.range, "") << request.method;
  }
}

TEST_F(CurlClientTest, ResumesACutTransferFromThePartFileWithoutNewDiscovery) {
  fixtures::PackageServer server(3 * kMiB);
  server.CutGetsAfter(server.Size() / 2, 1);
  CurlClient client(Wide(server.PackageUrl()), Destination(), nullptr, nullptr);
  EXPECT_EQ(client.Start(), CURLE_PARTIAL_FILE);
  EXPECT_EQ(Utils::FileSize(client.Path(true)).value_or(-1), static_cast<int64_t>(server.Size() / 2));
  const size_t before = server.PackageRequests().size();

  ASSERT_EQ(client.Start(), 0);
  const auto requests = server.PackageRequests();
  ASSERT_EQ(requests.size(), before + 1);  // one GET, no header request
  EXPECT_EQ(requests.back().method, "GET");
  EXPECT_EQ(requests.back().range, "bytes=" + std::to_string(server.Size() / 2) + "-");
  EXPECT_EQ(requests.back().status, 206);
  EXPECT_TRUE(HoldsPackage(Destination(), server.Size()));
  EXPECT_FALSE(Utils::FileExists(client.Path(true)));
}

// A part file that already holds the package is the download; one longer
// than the package is no prefix of it and is fetched afresh (a resume past
// the end could only draw 416 on every attempt).
TEST_F(CurlClientTest, APartFileOfTheWholePackageOrMoreIsNotResumed) {
  const struct {
    uint64_t extra;
    size_t gets;
  } cases[] = {{0, 0}, {1, 1}, {kMiB, 1}};
  for (const auto& c : cases) {
    fixtures::PackageServer server(kMiB + 5);
    CurlClient client(Wide(server.PackageUrl()), Destination(), nullptr, nullptr);
    std::string bytes(server.Size(), '\0');
    fixtures::PackageBytes(0, bytes.size(), bytes.data());
    WriteBytes(client.Path(true), bytes + std::string(c.extra, 'x'));
    ASSERT_EQ(client.Start(), 0) << c.extra;
    const auto requests = server.PackageRequests();
    EXPECT_EQ(Count(requests, "GET"), c.gets) << c.extra;
    for (const auto& request : requests) EXPECT_EQ(request.range, "") << c.extra;
    EXPECT_TRUE(HoldsPackage(Destination(), server.Size())) << c.extra;
  }
}

TEST_F(CurlClientTest, ErrorStatusesEndTheAttempt) {
  const struct {
    int headStatus, getStatus, result;
  } cases[] = {
      {404, 0, CurlClient::kSizeUnknown},  // no size: nothing is fetched
      {500, 0, CurlClient::kSizeUnknown},
      {0, 404, CURLE_HTTP_RETURNED_ERROR},
      {0, 500, CURLE_HTTP_RETURNED_ERROR},
  };
  for (const auto& c : cases) {
    fixtures::PackageServer server(2 * kMiB);
    server.AnswerHeadWith(c.headStatus);
    server.AnswerGetWith(c.getStatus);
    CurlClient client(Wide(server.PackageUrl()), Destination(), nullptr, nullptr);
    EXPECT_EQ(client.Start(), c.result) << c.headStatus << " " << c.getStatus;
    EXPECT_FALSE(Utils::FileExists(Destination()));
  }
}

TEST_F(CurlClientTest, AnUnopenablePartFileIsReportedWithItsReason) {
  fixtures::PackageServer server(kMiB);
  CurlClient client(Wide(server.PackageUrl()), folder_.File(L"missing-folder/setup.exe"), nullptr,
                    nullptr);
  EXPECT_EQ(client.Start(), CurlClient::kPartFileUnavailable);
  EXPECT_FALSE(client.LastError().empty());
}

// A package past 4 GiB resumes at the right byte and its length survives;
// the part file is sparse, so nothing near that size is written.
TEST_F(CurlClientTest, SizesBeyondThirtyTwoBitsResumeAtTheRightByte) {
  const uint64_t size = 5 * 1024 * kMiB + 77;
  const uint64_t have = size - kMiB;
  fixtures::PackageServer server(size);
  CurlClient client(Wide(server.PackageUrl("big")), Destination(), nullptr, nullptr);
  WriteBytes(client.Path(true), "");
  std::filesystem::resize_file(std::filesystem::path(client.Path(true)), have);
  ASSERT_EQ(client.Start(), 0);
  EXPECT_EQ(client.FileLength(), static_cast<double>(size));
  EXPECT_EQ(server.PackageRequests().back().range, "bytes=" + std::to_string(have) + "-");
  ASSERT_EQ(Utils::FileSize(Destination()).value_or(-1), static_cast<int64_t>(size));
  std::vector<char> tail(kMiB), expected(kMiB);
  std::ifstream file(std::filesystem::path(Destination()), std::ios::binary);
  file.seekg(static_cast<std::streamoff>(have));
  ASSERT_TRUE(file.read(tail.data(), static_cast<std::streamsize>(tail.size())));
  fixtures::PackageBytes(have, expected.size(), expected.data());
  EXPECT_EQ(tail, expected);
}

}  // namespace
