// The single-connection downloader against the package server: the retry
// budget, the digest check and its one retry, the restart from inside a
// notification, and the order of notifications.
#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "download/curl_downloader.h"
#include "download_test_support.h"
#include "support/test_files.h"

namespace {

using namespace download_test;
using namespace std::chrono_literals;
constexpr uint64_t kMiB = 1048576;

struct Note {
  int code;
  double value;
  std::wstring text;
};

// Collects notifications from the worker; on DL_CODE_RETRY it restarts the
// downloader from inside the notification, as the install job does.
class Notes {
 public:
  DownloadCallback Callback() {
    return [this](int code, double value, const std::wstring& text) {
      if (code == DL_CODE_RETRY && downloader_) downloader_->StartDownload();
      std::lock_guard lock(mutex_);
      notes_.push_back({code, value, text});
      changed_.notify_all();
    };
  }
  void RestartOnRetry(CDownloader* downloader) { downloader_ = downloader; }

  // Waits (bounded) for the `count`-th final notification (success or failure).
  bool WaitForEnds(size_t count, std::chrono::seconds limit = 60s) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return Ends() >= count; });
  }
  std::vector<Note> All() {
    std::lock_guard lock(mutex_);
    return notes_;
  }
  // The codes without the progress notes.
  std::vector<int> Codes() {
    std::vector<int> codes;
    for (const Note& note : All())
      if (note.code != DL_CODE_PROGRESS) codes.push_back(note.code);
    return codes;
  }

 private:
  size_t Ends() const {
    size_t ends = 0;
    for (const Note& note : notes_) ends += note.code == DL_CODE_SUCCESS || note.code == DL_CODE_FAIL;
    return ends;
  }
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Note> notes_;
  CDownloader* downloader_ = nullptr;
};

// Records the pauses between attempts instead of sleeping through them.
struct Pauses {
  std::mutex mutex;
  std::vector<std::chrono::milliseconds> seen;
  CCurlDownloader::Pause Pause() {
    return [this](std::chrono::milliseconds delay) {
      std::lock_guard lock(mutex);
      seen.push_back(delay);
    };
  }
};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

class CurlDownloaderTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureCurl(); }
  TempFolder folder_;
  std::wstring Destination() const { return folder_.File(L"setup.exe"); }
};

TEST_F(CurlDownloaderTest, SpendsTheRetryBudgetByFailureKind) {
  enum Fault { kCutEveryTime, kServerError, kTooSmall };
  const struct {
    Fault fault;
    int code;
    size_t attempts;
  } cases[] = {
      {kCutEveryTime, CURLE_PARTIAL_FILE, 12},
      {kServerError, CURLE_HTTP_RETURNED_ERROR, 6},
      {kTooSmall, CurlClient::kSizeUnknown, 6},
  };
  for (const auto& c : cases) {
    fixtures::PackageServer server(c.fault == kTooSmall ? kMiB - 1 : 2 * kMiB);
    if (c.fault == kCutEveryTime) server.CutGetsAfter(1000, 100);
    if (c.fault == kServerError) server.AnswerGetWith(500);
    DiagCapture diag;
    Notes notes;
    Pauses pauses;
    {
      CCurlDownloader downloader(notes.Callback(), Wide(server.PackageUrl()), Destination(),
                                 pauses.Pause());
      downloader.StartDownload();
      ASSERT_TRUE(notes.WaitForEnds(1)) << c.code;
    }
    const auto all = notes.All();
    EXPECT_EQ(notes.Codes(), (std::vector<int>{DL_CODE_START, DL_CODE_FAIL})) << c.code;
    EXPECT_EQ(all.back().value, c.code);
    EXPECT_EQ(all.back().text, L"LibCurl");
    EXPECT_EQ(CountLines(diag, L"start download\r\n"), c.attempts) << c.code;
    EXPECT_EQ(CountLines(diag, L"CurlDownLoader Code=" + std::to_wstring(c.code) + L"\r\n"),
              c.attempts - 1);
    EXPECT_EQ(pauses.seen, std::vector<std::chrono::milliseconds>(c.attempts - 1, 500ms)) << c.code;
    if (c.fault == kCutEveryTime) {
      // Each attempt resumed where the previous one was cut off.
      const auto gets = server.PackageRequests();
      ASSERT_GE(gets.size(), 2u);
      EXPECT_EQ(gets.back().range, "bytes=" + std::to_string(1000 * (c.attempts - 1)) + "-");
    }
  }
}

// A throttled transfer through a redirect chain: progress comes at most once
// a second, only between 0 and 1, and the digest of the final address passes.
TEST_F(CurlDownloaderTest, ASuccessfulRunNotifiesInOrder) {
  fixtures::PackageServer server(2 * kMiB);
  server.Throttle(800 * 1024);
  Notes notes;
  {
    CCurlDownloader downloader(notes.Callback(), Wide(server.RedirectUrl(2)), Destination());
    downloader.StartDownload();
    ASSERT_TRUE(notes.WaitForEnds(1));
  }
  EXPECT_EQ(notes.Codes(), (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
  const auto all = notes.All();
  EXPECT_EQ(all.front().value, 1.0);
  EXPECT_EQ(all.back().text, L"LibCurl");
  EXPECT_TRUE(HoldsPackage(Destination(), server.Size()));
  size_t progress = 0;
  double last = 0;
  for (const Note& note : all) {
    if (note.code != DL_CODE_PROGRESS) continue;
    ++progress;
    EXPECT_GT(note.value, last);
    EXPECT_LE(note.value, 1.0);
    last = note.value;
  }
  EXPECT_GE(progress, 1u);
  EXPECT_LE(progress, 4u);  // about 2.5 s of transfer
}

TEST_F(CurlDownloaderTest, ADigestMismatchRetriesOnceThenFails) {
  fixtures::PackageServer server(kMiB);
  Notes notes;
  DiagCapture diag;
  {
    CCurlDownloader downloader(notes.Callback(), Wide(server.PackageUrl(std::string(32, '0'))),
                               Destination());
    notes.RestartOnRetry(&downloader);
    downloader.StartDownload();
    ASSERT_TRUE(notes.WaitForEnds(1));
  }
  EXPECT_EQ(notes.Codes(), (std::vector<int>{DL_CODE_START, DL_CODE_MD5_NOTICE, DL_CODE_RETRY,
                                             DL_CODE_START, DL_CODE_MD5_NOTICE, DL_CODE_FAIL}));
  for (const Note& note : notes.All()) {
    if (note.code == DL_CODE_MD5_NOTICE) {
      EXPECT_EQ(note.text, L"curl文件md5校验失败");
    }
    if (note.code == DL_CODE_RETRY || note.code == DL_CODE_FAIL) {
      EXPECT_EQ(note.value, 0.0);
      EXPECT_EQ(note.text, L"LibCurl");
    }
  }
  // The restart fetched the whole package again on a second worker.
  const auto requests = server.PackageRequests();
  EXPECT_EQ(Count(requests, "GET"), 2u);
  EXPECT_EQ(Count(requests, "HEAD"), 1u);
  EXPECT_EQ(CountLines(diag, L"THREAD BEGIN"), 2u);
}

TEST_F(CurlDownloaderTest, AnAddressWithoutADigestStillSucceeds) {
  const struct {
    std::string folder;
  } cases[] = {{"nodigest"}, {std::string(31, 'a')}, {std::string(33, 'a')}};
  for (const auto& c : cases) {
    fixtures::PackageServer server(kMiB);
    Notes notes;
    {
      CCurlDownloader downloader(notes.Callback(), Wide(server.PackageUrl(c.folder)), Destination());
      downloader.StartDownload();
      ASSERT_TRUE(notes.WaitForEnds(1));
    }
    EXPECT_EQ(notes.Codes(), (std::vector<int>{DL_CODE_START, DL_CODE_MD5_NOTICE, DL_CODE_SUCCESS}));
    // Found by its code: under load a progress note may come first.
    const auto all = notes.All();
    const auto notice = std::find_if(all.begin(), all.end(),
                                     [](const auto& note) { return note.code == DL_CODE_MD5_NOTICE; });
    ASSERT_NE(notice, all.end());
    EXPECT_EQ(notice->text, L"curl获取url-md5失败");
    EXPECT_TRUE(HoldsPackage(Destination(), server.Size()));
  }
}

TEST_F(CurlDownloaderTest, AnEmptyDestinationFailsAtOnce) {
  Notes notes;
  CCurlDownloader downloader(notes.Callback(), L"http://127.0.0.1:9/files/x/setup.exe", L"");
  downloader.StartDownload();
  ASSERT_TRUE(notes.WaitForEnds(1));
  EXPECT_EQ(notes.Codes(), (std::vector<int>{DL_CODE_START, DL_CODE_FAIL}));
  EXPECT_EQ(notes.All().back().value, 1.0);
  EXPECT_EQ(notes.All().back().text, L"");
}

// Going away mid-transfer aborts the transfer instead of waiting it out.
TEST_F(CurlDownloaderTest, DestructionStopsARunningTransfer) {
  fixtures::PackageServer server(64 * kMiB);
  server.Throttle(256 * 1024);
  Notes notes;
  const auto begun = std::chrono::steady_clock::now();
  {
    CCurlDownloader downloader(notes.Callback(), Wide(server.PackageUrl()), Destination(),
                               [](std::chrono::milliseconds) {});
    downloader.StartDownload();
    std::this_thread::sleep_for(1500ms);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - begun, 30s);
  EXPECT_FALSE(Utils::FileExists(Destination()));
  EXPECT_FALSE(Utils::FileExists(Destination() + L".part"));
}

}  // namespace
