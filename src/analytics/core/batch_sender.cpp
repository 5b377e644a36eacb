#include "analytics/core/batch_sender.h"

#include <iostream>
#include <optional>

#include "analytics/core/batch_encoding.h"
#include "analytics/core/form_post.h"
#include "analytics/core/send_status.h"
#include "app/diag_output.h"

namespace usage_analytics {

bool SendBatch(const std::string& serverUrl, std::string_view batchText) {
  // A batch that cannot be encoded was never offered to the server, so it
  // says nothing about the connection: the status flag stays as it was.
  const std::optional<std::string> body = EncodeBatch(batchText);
  if (!body) return false;

  const PostResponse response = PostForm(serverUrl, *body);
  const bool succeeded = response.code == 200;
  if (!succeeded) {
    EmitDiagText(L"[usage] UsageAnalytics SDK send failed");
    std::cerr << "UsageAnalytics SDK send failed: " << response.body << "\n";
  }
  SetLastSendSucceeded(succeeded);
  return succeeded;
}

}  // namespace usage_analytics
