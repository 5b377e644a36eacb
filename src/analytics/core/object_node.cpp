#include "analytics/core/object_node.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>

#include "analytics/core/utf8_validation.h"
#include "utils/local_time.h"

namespace usage_analytics::utils {
namespace {

constexpr size_t kMaxStringBytes = 8192;

// As a default-configured output stream writes a double: %g with six
// significant digits, independent of the C locale. A value that is not
// finite has no JSON form and is written as null, so one odd property
// cannot spoil the batch it travels in.
void AppendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  out.append(text, result.ptr);
}

}  // namespace

ValueNode::ValueNode(const ValueNode& other)
    : kind_(other.kind_),
      scalar_(other.scalar_),
      text_(other.text_),
      list_(other.list_),
      object_(other.object_ ? std::make_unique<ObjectNode>(*other.object_) : nullptr) {}

ValueNode& ValueNode::operator=(const ValueNode& other) {
  if (this != &other) *this = ValueNode(other);
  return *this;
}

ValueNode::~ValueNode() = default;

ValueNode ValueNode::Number(double value) {
  ValueNode node;
  node.kind_ = NUMBER;
  node.scalar_.number = value;
  return node;
}

ValueNode ValueNode::Int(int64_t value) {
  ValueNode node;
  node.kind_ = INT;
  node.scalar_.integer = value;
  return node;
}

ValueNode ValueNode::String(std::string value) {
  ValueNode node;
  node.kind_ = STRING;
  node.text_ = std::move(value);
  return node;
}

ValueNode ValueNode::List(std::vector<std::string> value) {
  ValueNode node;
  node.kind_ = LIST;
  node.list_ = std::move(value);
  return node;
}

ValueNode ValueNode::DateTime(int64_t seconds, int32_t milliseconds) {
  ValueNode node;
  node.kind_ = DATETIME;
  node.scalar_.dateTime.seconds = seconds;
  node.scalar_.dateTime.milliseconds = milliseconds;
  return node;
}

ValueNode ValueNode::Bool(bool value) {
  ValueNode node;
  node.kind_ = BOOL;
  node.scalar_.boolean = value;
  return node;
}

ValueNode ValueNode::Object(const ObjectNode& value) {
  ValueNode node;
  node.kind_ = OBJECT;
  node.object_ = std::make_unique<ObjectNode>(value);
  return node;
}

ValueNode ValueNode::Object(ObjectNode&& value) {
  ValueNode node;
  node.kind_ = OBJECT;
  node.object_ = std::make_unique<ObjectNode>(std::move(value));
  return node;
}

void ValueNode::AppendJson(std::string& out) const {
  switch (kind_) {
    case NUMBER:
      AppendNumber(out, scalar_.number);
      break;
    case INT:
      out += std::to_string(scalar_.integer);
      break;
    case STRING:
      AppendJsonString(out, text_);
      break;
    case LIST:
      out += '[';
      for (size_t i = 0; i < list_.size(); ++i) {
        if (i) out += ',';
        AppendJsonString(out, list_[i]);
      }
      out += ']';
      break;
    case DATETIME: {
      const Utils::LocalTime t = Utils::ToLocalTime(scalar_.dateTime.seconds);
      char text[64];
      const int length = std::snprintf(text, sizeof text, "\"%04d-%02d-%02d %02d:%02d:%02d.%03d\"",
                                       t.year, t.month, t.day, t.hour, t.minute, t.second,
                                       static_cast<int>(scalar_.dateTime.milliseconds));
      if (length > 0) out.append(text, static_cast<size_t>(length));
      break;
    }
    case BOOL:
      out += scalar_.boolean ? "true" : "false";
      break;
    case OBJECT:
      if (object_) object_->AppendJson(out);
      break;
    case NONE:
      break;
  }
}

void AppendJsonString(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '\b': out += "\\b"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\f': out += "\\f"; break;
      case '\r': out += "\\r"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  out += '"';
}

void ObjectNode::SetNumber(const std::string& name, double value) {
  entries_[name] = ValueNode::Number(value);
}

void ObjectNode::SetNumber(const std::string& name, int32_t value) {
  entries_[name] = ValueNode::Int(value);
}

void ObjectNode::SetString(const std::string& name, const std::string& value) {
  if (value.size() > kMaxStringBytes) {
    std::cerr << "String property '" << name << "' is too long, value: " << value << std::endl;
    return;
  }
  if (!IsValidUtf8(value)) {
    std::cerr << "String property '" << name << "' is not valid UTF-8 string, value: " << value
              << std::endl;
    return;
  }
  entries_[name] = ValueNode::String(value);
}

void ObjectNode::SetString(const std::string& name, const char* value) {
  SetString(name, std::string(value ? value : ""));
}

void ObjectNode::SetBool(const std::string& name, bool value) { entries_[name] = ValueNode::Bool(value); }

void ObjectNode::SetDateTime(const std::string& name, int64_t seconds, int32_t milliseconds) {
  entries_[name] = ValueNode::DateTime(seconds, milliseconds);
}

void ObjectNode::SetList(const std::string& name, const std::vector<std::string>& value) {
  entries_[name] = ValueNode::List(value);
}

void ObjectNode::SetObject(const std::string& name, const ObjectNode& value) {
  entries_[name] = ValueNode::Object(value);
}

void ObjectNode::SetValue(const std::string& name, ValueNode value) {
  entries_[name] = std::move(value);
}

void ObjectNode::MergeFrom(const ObjectNode& other) {
  if (&other == this) return;
  if (entries_.empty()) {
    entries_ = other.entries_;  // a plain copy of the tree, no lookups
    return;
  }
  // Both sides are in name order, so each insertion starts from the place of
  // the one before.
  auto at = entries_.begin();
  for (const auto& [name, value] : other.entries_) at = std::next(entries_.insert_or_assign(at, name, value));
}

std::string ObjectNode::ToJson() const {
  std::string out;
  AppendJson(out);
  return out;
}

void ObjectNode::AppendJson(std::string& out) const {
  out += '{';
  bool first = true;
  for (const auto& [name, value] : entries_) {
    if (value.kind() == ValueNode::NONE) continue;
    if (!first) out += ',';
    first = false;
    out += '"';
    out += name;
    out += "\":";
    value.AppendJson(out);
  }
  out += '}';
}

const ValueNode* ObjectNode::Find(const std::string& name) const {
  const auto found = entries_.find(name);
  return found == entries_.end() ? nullptr : &found->second;
}

bool ObjectNode::Erase(const std::string& name) { return entries_.erase(name) != 0; }

}  // namespace usage_analytics::utils

namespace usage_analytics {

void PropertiesNode::SetObject(const std::string&, const utils::ObjectNode&) {}

}  // namespace usage_analytics
