#include "analytics/core/record_checks.h"

#include <iostream>

namespace usage_analytics {
namespace {

constexpr size_t kMaxNameBytes = 100;
constexpr size_t kMaxIdBytes = 255;

bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool CheckName(const std::string& label, const std::string& text) {
  if (text.empty() || text.size() > kMaxNameBytes) {
    std::cerr << "The " << label << " is empty or too long, max length is 100";
    return false;
  }
  bool valid = true;
  for (size_t i = 0; i < text.size() && valid; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    valid = IsLetter(c) || c == '$' || c == '_' || (i > 0 && IsDigit(c));
  }
  if (!valid) std::cerr << "The " << label << " need to be a valid variable name.";
  return valid;
}

bool CheckId(const std::string& label, const std::string& text) {
  if (text.empty()) {
    std::cerr << "The " << label << " is empty.\n";
    return false;
  }
  if (text.size() > kMaxIdBytes) {
    std::cerr << "The " << label << " is too long, max length is 255.\n";
    return false;
  }
  return true;
}

bool CheckProperties(const utils::ObjectNode& properties) {
  for (const auto& [name, value] : properties) {
    if (!CheckName("Property Key", name)) return false;
    if (name == "$time" && value.kind() != utils::ValueNode::DATETIME) {
      std::cerr << "The property '$time' should be DateTime type.";
      return false;
    }
    if (name == "$project" && value.kind() != utils::ValueNode::STRING) {
      std::cerr << "The property '$project' should be String type.";
      return false;
    }
  }
  return true;
}

}  // namespace usage_analytics
