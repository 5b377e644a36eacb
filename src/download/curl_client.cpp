#include "download/curl_client.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/diag_log.h"
#include "app/event_helpers.h"
#include "utils/files.h"
#include "utils/text_convert.h"

namespace {

constexpr long kConnectTimeoutSeconds = 60;
constexpr long kKeepAliveSeconds = 10;
constexpr size_t kReportLimit = 200;

std::wstring CurlText(int code) {
  return Utils::NarrowToWide(curl_easy_strerror(static_cast<CURLcode>(code)), Utils::kUtf8CodePage);
}

size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }

size_t WriteToFile(char* data, size_t size, size_t count, void* file) {
  return std::fwrite(data, size, count, static_cast<FILE*>(file)) * size;
}

// A length query that met a bad status tells the analytics funnel why.
void ReportLengthFailure(long status) {
  wchar_t reason[kReportLimit + 1];
  std::swprintf(reason, kReportLimit + 1, L"1.获取文件大小的状态码为=%ld；", status);
  TrackTaskEvent(L"下载失败原因", reason, 0.0f, {{L"AB", L"IN"}});
}

bool GoodStatus(long status) { return status >= 200 && status <= 399; }

// Options of the header-only requests; true when all were accepted.
bool PrepareHeaderRequest(CURL* handle, const std::string& url) {
  CURLcode code = curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  if (code == CURLE_OK) code = curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  if (code == CURLE_OK) code = curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
  if (code == CURLE_OK) code = curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Discard);
  if (code == CURLE_OK) code = curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  return code == CURLE_OK;
}

}  // namespace

CurlClient::CurlClient(const std::wstring& url, const std::wstring& path, void* user,
                       ProgressSink sink)
    : url_(url), path_(path), user_(user), sink_(sink) {}

CurlClient::~CurlClient() {
  stop_ = true;
  Utils::RemoveFile(Path(true));
}

std::wstring CurlClient::Path(bool part) const { return part ? path_ + L".part" : path_; }

int CurlClient::Start() {
  DIAG_LOG(L"start download\r\n");
  const std::wstring partPath = Path(true);
  const bool localFile = url_.rfind(L"file:///", 0) == 0;
  const std::string url =
      Utils::WideToNarrow(url_, localFile ? Utils::kAnsiCodePage : Utils::kUtf8CodePage);

  const auto known = [this] { return !effectiveUrl_.empty() && fileLength_ >= kMinimumPackageSize; };
  if (!known()) {
    if (CURL* handle = Head(url)) {
      effectiveUrl_ = GetRealUrl(handle);
      fileLength_ = GetDownloadFileLength(handle);
      curl_easy_cleanup(handle);
    }
  }
  if (!known()) {
    effectiveUrl_ = GetRealUrl_Str(url);
    if (!effectiveUrl_.empty()) fileLength_ = GetDownloadFileLength_Str(effectiveUrl_);
  }

  const int result = fileLength_ < kMinimumPackageSize ? kSizeUnknown : Download(partPath);
  DIAG_LOG(L"error:%d:%ls\r\n", result, CurlText(result).c_str());
  if (result == 0) {
    Utils::RemoveFile(path_);
    Utils::RenameFile(partPath, path_);
  }
  DIAG_LOG(L"end download\r\n");
  return result;
}

int CurlClient::Download(const std::wstring& partPath) {
  // The part file is ours alone: one longer than the package cannot be a
  // prefix of it, and resuming after its end would only ever draw an error
  // status, so it is started afresh.
  const std::optional<int64_t> existing = Utils::FileSize(partPath);
  if (existing && *existing > static_cast<int64_t>(fileLength_)) Utils::RemoveFile(partPath);

  handle_ = curl_easy_init();
  if (!handle_) return kNoHandle;
  FILE* part = Utils::OpenFileStream(partPath, L"ab+");
  if (!part) {
    const char* reason = std::strerror(errno);
    lastError_ = Utils::NarrowToWide(std::string(reason).substr(0, kReportLimit), Utils::kAnsiCodePage);
    curl_easy_cleanup(handle_);
    handle_ = nullptr;
    return kPartFileUnavailable;
  }

  // No Accept-Encoding: the body is written as it arrives, so a compressed
  // answer would land in the package as is and could not be resumed by
  // offset. Asking for nothing gets the identity encoding.
  curl_slist* headers = curl_slist_append(nullptr, "Connection: keep-alive");
  curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(handle_, CURLOPT_TCP_KEEPALIVE, 1L);
  curl_easy_setopt(handle_, CURLOPT_TCP_KEEPIDLE, kKeepAliveSeconds);
  curl_easy_setopt(handle_, CURLOPT_TCP_KEEPINTVL, kKeepAliveSeconds);
  curl_easy_setopt(handle_, CURLOPT_TIMEOUT, 0L);
  // The first refused option is the answer.
  int code = 0;
  const auto keep = [&code](CURLcode result) { if (code == 0) code = result; };
  keep(curl_easy_setopt(handle_, CURLOPT_URL, effectiveUrl_.c_str()));
  keep(curl_easy_setopt(handle_, CURLOPT_FOLLOWLOCATION, 1L));
  keep(curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &WriteToFile));
  keep(curl_easy_setopt(handle_, CURLOPT_WRITEDATA, part));
  keep(curl_easy_setopt(handle_, CURLOPT_NOPROGRESS, 0L));
  keep(curl_easy_setopt(handle_, CURLOPT_XFERINFOFUNCTION, &CurlClient::ProgressCallback));
  keep(curl_easy_setopt(handle_, CURLOPT_XFERINFODATA, this));
  keep(curl_easy_setopt(handle_, CURLOPT_FAILONERROR, 1L));
  keep(curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds));

  // 64-bit all the way: packages of 2 GiB and more resume at the right byte.
  const std::optional<int64_t> size = Utils::FileSize(partPath);
  resumeOffset_ = size ? *size : -1;
  if (resumeOffset_ >= 1)
    keep(curl_easy_setopt(handle_, CURLOPT_RESUME_FROM_LARGE, static_cast<curl_off_t>(resumeOffset_)));

  if (code == 0) {
    // A part file that already holds the whole package needs no transfer.
    code = resumeOffset_ == static_cast<int64_t>(fileLength_) ? CURLE_OK : curl_easy_perform(handle_);
  }
  curl_easy_cleanup(handle_);
  handle_ = nullptr;
  curl_slist_free_all(headers);
  if (std::fclose(part) != 0 && code == 0) code = CURLE_WRITE_ERROR;  // the last bytes never landed
  return code;
}

CURL* CurlClient::Head(const std::string& url) {
  CURL* handle = curl_easy_init();
  int code = 0;
  if (handle && PrepareHeaderRequest(handle, url)) {
    code = curl_easy_perform(handle);
    if (code != 0) DIAG_LOG(L"error:%d:%ls", code, CurlText(code).c_str());
  }
  DIAG_LOG(L"error:%d:%ls\r\n", code, CurlText(code).c_str());
  return handle;
}

std::string CurlClient::GetRealUrl(CURL* handle) {
  const char* url = nullptr;
  if (curl_easy_getinfo(handle, CURLINFO_EFFECTIVE_URL, &url) != CURLE_OK || !url) return {};
  return url;
}

double CurlClient::GetDownloadFileLength(CURL* handle) {
  curl_off_t length = -1;
  const CURLcode code = curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  DIAG_LOG(L"error:%d:%ls\r\n", static_cast<int>(code), CurlText(code).c_str());
  long status = 0;
  if (curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && GoodStatus(status))
    return code == CURLE_OK ? static_cast<double>(length) : -1.0;
  ReportLengthFailure(status);
  return -1.0;
}

std::string CurlClient::GetRealUrl_Str(const std::string& url) {
  CURL* handle = curl_easy_init();
  if (!handle) return url;
  std::string answer;
  if (PrepareHeaderRequest(handle, url)) {
    const CURLcode code = curl_easy_perform(handle);
    if (code == CURLE_OK) {
      answer = GetRealUrl(handle);
    } else {
      DIAG_LOG(L"error:%d:%ls", static_cast<int>(code), CurlText(code).c_str());
    }
  }
  curl_easy_cleanup(handle);
  return answer.empty() ? url : answer;
}

double CurlClient::GetDownloadFileLength_Str(const std::string& url) {
  double length = -1.0;
  CURL* handle = curl_easy_init();
  if (!handle) {
    DIAG_LOG(L"error:%d:%ls\r\n", 0, CurlText(0).c_str());
    return length;
  }
  int code = PrepareHeaderRequest(handle, url) ? 0 : CURLE_BAD_FUNCTION_ARGUMENT;
  if (code == 0) code = curl_easy_setopt(handle, CURLOPT_HEADER, 1L);
  if (code == 0) {
    curl_easy_perform(handle);
    curl_off_t reported = -1;
    if (curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &reported) == CURLE_OK)
      length = static_cast<double>(reported);
    long status = 0;
    code = curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (code != CURLE_OK || !GoodStatus(status)) ReportLengthFailure(status);
  }
  DIAG_LOG(L"error:%d:%ls\r\n", code, CurlText(code).c_str());
  curl_easy_cleanup(handle);
  return length;
}

int CurlClient::ProgressCallback(void* data, curl_off_t downloadTotal, curl_off_t downloadNow,
                                 curl_off_t, curl_off_t) {
  auto* self = static_cast<CurlClient*>(data);
  if (self->stop_) return 1;
  const int64_t now = static_cast<int64_t>(std::time(nullptr));
  if (now <= self->lastProgressSecond_) return 0;
  self->lastProgressSecond_ = now;

  curl_off_t speed = 0;
  if (curl_easy_getinfo(self->handle_, CURLINFO_SPEED_DOWNLOAD_T, &speed) != CURLE_OK) speed = 0;
  double percentage;
  if (self->fileLength_ > CurlClient::kMinimumPackageSize) {
    // An unmeasured part file counts as empty rather than one byte short.
    const int64_t offset = self->resumeOffset_ > 0 ? self->resumeOffset_ : 0;
    percentage = static_cast<double>(downloadNow + offset) / self->fileLength_ * 100.0;
  } else {
    if (downloadNow <= 0 || downloadTotal <= 0) return 0;
    percentage = static_cast<double>(downloadNow) * 100.0 / static_cast<double>(downloadTotal);
  }
  if (percentage == 0.0) return 0;
  if (self->sink_) self->sink_(self->user_, static_cast<double>(speed), 0.0, percentage);
  if (downloadTotal != 0)
    DIAG_LOG(L" %dM %dM   progress:%f%%  speed:%f \n", static_cast<int>(downloadNow / 1048576),
             static_cast<int>(downloadTotal / 1048576), static_cast<double>(static_cast<float>(percentage)),
             static_cast<double>(static_cast<float>(speed / 1024.0)));
  return 0;
}
