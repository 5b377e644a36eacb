// One form post to the collection server on a fresh libcurl handle, bounded
// to 3 seconds, so a delivery on the caller's thread cannot hang it.
#pragma once
#include <string>

namespace usage_analytics {

struct PostResponse {
  long code = -1;    // the HTTP status; -1 when the transfer itself failed
  std::string body;  // the received text, or the failure's description
};

PostResponse PostForm(const std::string& url, const std::string& body);

}  // namespace usage_analytics
