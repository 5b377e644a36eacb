// The downloaders' common face: one operation, and one notification contract
// that the install job relies on whichever downloader it chose.
#pragma once
#include <functional>
#include <string>

// (code, value, text); called on the downloader's threads, stored by value.
using DownloadCallback = std::function<void(int, double, const std::wstring&)>;

enum DownloadCode {
  DL_CODE_START = 1001,
  DL_CODE_PROGRESS = 1002,
  DL_CODE_SUCCESS = 1003,
  DL_CODE_FAIL = 1004,
  DL_CODE_RETRY = 1005,
  DL_CODE_MD5_NOTICE = 1006,
};

class CDownloader {
 public:
  virtual ~CDownloader() = default;
  // Returns at once; the outcome arrives through the callback.
  virtual void StartDownload() = 0;
};
