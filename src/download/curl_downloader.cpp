#include "download/curl_downloader.h"

#include <thread>

#include "app/diag_log.h"
#include "download/file_md5.h"
#include "utils/files.h"
#include "utils/thread_platform.h"

namespace {

constexpr int kRetryBudget = 12;
constexpr int kPartialFile = 18;

}  // namespace

CCurlDownloader::CCurlDownloader(DownloadCallback callback, const std::wstring& url,
                                 const std::wstring& path, Pause pause)
    : callback_(std::move(callback)),
      path_(path),
      url_(url),
      client_(url, path, this, &CCurlDownloader::ForwardProgress),
      pause_(pause ? std::move(pause) : Pause([](std::chrono::milliseconds delay) {
        std::this_thread::sleep_for(delay);
      })) {
  Utils::RemoveFile(client_.Path(true));  // every run starts from an empty part file
}

CCurlDownloader::~CCurlDownloader() {
  // Abort the transfer in flight rather than wait out a whole package.
  client_.Stop();
  for (;;) {
    std::unique_ptr<Utils::Thread> worker;
    {
      std::lock_guard lock(mutex_);
      ending_ = true;
      worker = std::move(worker_);
      if (!worker) worker = std::move(retired_);
    }
    if (!worker) break;
    worker->Join();
  }
}

void CCurlDownloader::StartDownload() {
  std::unique_ptr<Utils::Thread> previous;
  {
    std::lock_guard lock(mutex_);
    if (ending_) return;
    if (worker_ && worker_->Id() != Utils::Thread::kNoId &&
        worker_->Id() == Utils::thread_platform::CurrentThreadId()) {
      // Never wait for ourselves: the body's end starts the next worker.
      restartQueued_ = true;
      return;
    }
    previous = std::move(worker_);
  }
  if (previous) previous->Join();  // another thread: waiting is safe
  previous.reset();
  std::lock_guard lock(mutex_);
  worker_ = std::make_unique<Utils::Thread>(this, L"ABDEF", &CCurlDownloader::dlThreadFun);
  worker_->Resume();
}

void CCurlDownloader::dlThreadFun(void* downloader) {
  auto* self = static_cast<CCurlDownloader*>(downloader);
  std::unique_ptr<Utils::Thread> retired;
  {
    std::lock_guard lock(self->mutex_);
    retired = std::move(self->retired_);
  }
  if (retired) retired->Join();  // the worker before this one, past its body by now
  retired.reset();

  self->Run();

  std::lock_guard lock(self->mutex_);
  if (self->restartQueued_ && !self->ending_) {
    self->restartQueued_ = false;
    self->retired_ = std::move(self->worker_);
    self->worker_ = std::make_unique<Utils::Thread>(self, L"ABDEF", &CCurlDownloader::dlThreadFun);
    self->worker_->Resume();
  }
}

void CCurlDownloader::Run() {
  callback_(DL_CODE_START, 1.0, L"");
  if (path_.empty()) {
    callback_(DL_CODE_FAIL, 1.0, L"");
    return;
  }
  int budget = kRetryBudget;
  int result;
  while ((result = client_.Start()) != 0) {
    budget -= result == kPartialFile ? 1 : 2;
    bool ending;
    {
      std::lock_guard lock(mutex_);
      ending = ending_;
    }
    if (budget <= 0 || ending) {
      callback_(DL_CODE_FAIL, result, L"LibCurl");
      return;
    }
    DIAG_LOG(L"CurlDownLoader Code=%d\r\n", result);
    pause_(kRetryPause);
  }

  const std::string expected = GetUrlMd5(client_.EffectiveUrl());
  if (expected.size() == 32) {
    const std::string actual = GetFileMd5(path_);
    if (actual.size() == 32 && actual != expected) {
      callback_(DL_CODE_MD5_NOTICE, 0, L"curl文件md5校验失败");
      if (md5Retried_) {
        callback_(DL_CODE_FAIL, 0, L"LibCurl");
      } else {
        md5Retried_ = true;
        callback_(DL_CODE_RETRY, 0, L"LibCurl");
      }
      return;
    }
  } else {
    callback_(DL_CODE_MD5_NOTICE, 0, L"curl获取url-md5失败");
  }
  callback_(DL_CODE_SUCCESS, 0, L"LibCurl");
}

void CCurlDownloader::ForwardProgress(void* downloader, double speed, double, double percentage) {
  if (speed > 0 && percentage <= 100)
    static_cast<CCurlDownloader*>(downloader)->callback_(DL_CODE_PROGRESS, percentage / 100.0, L"");
}
