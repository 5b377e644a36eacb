// What the download tests share: libcurl set up once, files read back, and a
// package compared with what the server generated.
#pragma once
#include <curl/curl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fixtures/package_server.h"
#include "support/diag_capture.h"
#include "utils/files.h"

namespace download_test {

inline void EnsureCurl() {
  static const bool ready = curl_global_init(CURL_GLOBAL_ALL) == CURLE_OK;
  (void)ready;
}

// True when the file holds exactly the package's `size` bytes.
inline bool HoldsPackage(const std::wstring& path, uint64_t size) {
  const auto bytes = Utils::ReadFileBytes(path);
  if (!bytes || bytes->size() != size) return false;
  std::string expected(bytes->size(), '\0');
  fixtures::PackageBytes(0, expected.size(), expected.data());
  return *bytes == expected;
}

inline size_t CountLines(const DiagCapture& capture, const std::wstring& text) {
  const auto lines = capture.Lines();
  return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const std::wstring& line) {
    return line.find(text) != std::wstring::npos;
  }));
}

inline size_t Count(const std::vector<fixtures::PackageRequest>& requests, const std::string& method) {
  return static_cast<size_t>(std::count_if(requests.begin(), requests.end(),
                                           [&](const auto& request) { return request.method == method; }));
}

}  // namespace download_test
