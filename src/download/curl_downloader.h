// The single-connection downloader: one CurlClient on a worker thread
// ("ABDEF"), retried within a budget, then checked against the digest that
// the final address carries.
#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "download/curl_client.h"
#include "download/downloader.h"
#include "utils/thread.h"

class CCurlDownloader : public CDownloader {
 public:
  using Pause = std::function<void(std::chrono::milliseconds)>;
  static constexpr std::chrono::milliseconds kRetryPause{500};

  // `pause` waits between attempts; tests pass one that only records.
  CCurlDownloader(DownloadCallback callback, const std::wstring& url, const std::wstring& path,
                  Pause pause = nullptr);
  ~CCurlDownloader() override;

  // From the worker itself (inside a notification) the restart is queued and
  // the next worker begins once this one has returned from its body.
  void StartDownload() override;

  static void dlThreadFun(void* downloader);

 private:
  static void ForwardProgress(void* downloader, double speed, double reserved, double percentage);
  void Run();

  DownloadCallback callback_;
  std::wstring path_;
  std::wstring url_;
  CurlClient client_;
  std::unique_ptr<Utils::Thread> worker_;
  bool md5Retried_ = false;
  Pause pause_;

  // Guards the hand-over between workers.
  mutable std::mutex mutex_;
  std::unique_ptr<Utils::Thread> retired_;  // the previous worker, joined by the next one
  bool restartQueued_ = false;
  bool ending_ = false;
};
