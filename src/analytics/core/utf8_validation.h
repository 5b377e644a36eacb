// The UTF-8 rule of analytics texts: well-formed UTF-8 without control
// characters other than tab, line feed and carriage return.
#pragma once
#include <string_view>

namespace usage_analytics::utils {

bool IsValidUtf8(std::string_view text);

}  // namespace usage_analytics::utils
