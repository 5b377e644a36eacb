#include "analytics/core/form_post.h"

#include <curl/curl.h>

#include <iostream>
#include <memory>
#include <stdexcept>

namespace usage_analytics {
namespace {

constexpr long kTransferSeconds = 3;

size_t AppendBody(char* data, size_t size, size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

struct EasyHandleRelease {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

PostResponse Perform(const std::string& url, const std::string& body) {
  std::unique_ptr<CURL, EasyHandleRelease> handle(curl_easy_init());
  if (!handle) throw std::runtime_error("Couldn't initialize curl handle");

  PostResponse response;
  char error[CURL_ERROR_SIZE] = {};
  CURL* curl = handle.get();
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_POST, 1L);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "UsageAnalytics CPP SDK 0.9");
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTransferSeconds);
  // Several threads may post at once; a timeout must not raise SIGALRM.
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  // TLS peer and host-name verification stay at libcurl's default (on): the
  // batches describe what the user does, so they must be neither readable nor
  // forgeable by anyone on the path to the collection server.
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &AppendBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response.body);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);

  const CURLcode result = curl_easy_perform(curl);
  if (result != CURLE_OK) {
    response.code = -1;
    response.body = error[0] ? error : curl_easy_strerror(result);
    return response;
  }
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.code);
  return response;
}

}  // namespace

PostResponse PostForm(const std::string& url, const std::string& body) {
  try {
    return Perform(url, body);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return {-1, error.what()};
  }
}

}  // namespace usage_analytics
