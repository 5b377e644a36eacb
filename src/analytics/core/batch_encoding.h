// The form body a batch travels in: the JSON array gzip-compressed, then
// Base64, then percent-encoded, as "data_list=...&gzip=1".
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace usage_analytics {

// Empty when zlib fails (the reason on standard error).
std::optional<std::string> EncodeBatch(std::string_view batchText);

// The pieces, usable on their own.
std::optional<std::string> GzipCompress(std::string_view bytes);
std::string Base64Encode(std::string_view bytes);
// Letters, digits and "-._~" stay; every other byte becomes %XX (upper case).
std::string PercentEncode(std::string_view text);

}  // namespace usage_analytics
