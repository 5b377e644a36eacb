// One HTTP(S) download with libcurl's easy interface: learn the package's
// final address and size, refuse anything under 1 MiB, download into
// "<destination>.part" with resume, report progress, and put the finished
// file in place. One result per attempt; its owner retries.
#pragma once
#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <string>

class CurlClient {
 public:
  // (user pointer, bytes per second, always 0, percentage 0..100)
  using ProgressSink = void (*)(void* user, double speed, double reserved, double percentage);

  static constexpr int64_t kMinimumPackageSize = 1048576;
  static constexpr int kSizeUnknown = -998;
  static constexpr int kNoHandle = -997;
  static constexpr int kPartFileUnavailable = -996;

  CurlClient(const std::wstring& url, const std::wstring& path, void* user, ProgressSink sink);
  // Deletes the part file.
  ~CurlClient();
  CurlClient(const CurlClient&) = delete;
  CurlClient& operator=(const CurlClient&) = delete;

  // 0, a negative code above, or the libcurl code of the attempt.
  int Start();

  // A header request that follows redirects; the caller reads and releases
  // the handle. Null when no handle could be made.
  CURL* Head(const std::string& url);
  std::string GetRealUrl(CURL* handle);
  // The reported content length, or -1.0 on a missing length or a bad status.
  double GetDownloadFileLength(CURL* handle);
  // The same answers by requests of their own.
  std::string GetRealUrl_Str(const std::string& url);
  double GetDownloadFileLength_Str(const std::string& url);

  // libcurl's transfer-information callback of the download.
  static int ProgressCallback(void* client, curl_off_t downloadTotal, curl_off_t downloadNow,
                              curl_off_t uploadTotal, curl_off_t uploadNow);

  // The destination, or the part file when `part` is set.
  std::wstring Path(bool part = false) const;
  const std::string& EffectiveUrl() const { return effectiveUrl_; }
  double FileLength() const { return fileLength_; }
  const std::wstring& LastError() const { return lastError_; }
  // Safe from any thread; the transfer ends at its next progress call.
  void Stop() { stop_ = true; }

 private:
  int Download(const std::wstring& partPath);

  std::wstring url_;
  std::wstring path_;
  void* user_;
  CURL* handle_ = nullptr;
  ProgressSink sink_;
  double fileLength_ = -1.0;
  int64_t resumeOffset_ = -1;
  int64_t lastProgressSecond_ = 0;
  std::atomic<bool> stop_{false};
  std::wstring lastError_;
  std::string effectiveUrl_;
};
