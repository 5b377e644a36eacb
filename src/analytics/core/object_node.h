// The keyed values of analytics properties and records, and their compact
// JSON text: members always in byte order of their names, numbers as a
// default output stream writes them, date-times in local time.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace usage_analytics::utils {

class ObjectNode;

class ValueNode {
 public:
  enum Kind : int32_t { NUMBER = 0, INT = 1, STRING = 2, LIST = 3, DATETIME = 4, BOOL = 5, OBJECT = 6, NONE = 7 };

  ValueNode() = default;
  ValueNode(const ValueNode& other);
  ValueNode& operator=(const ValueNode& other);
  ValueNode(ValueNode&&) noexcept = default;
  ValueNode& operator=(ValueNode&&) noexcept = default;
  ~ValueNode();

  static ValueNode Number(double value);
  static ValueNode Int(int64_t value);
  static ValueNode String(std::string value);
  static ValueNode List(std::vector<std::string> value);
  static ValueNode DateTime(int64_t seconds, int32_t milliseconds);
  static ValueNode Bool(bool value);
  static ValueNode Object(const ObjectNode& value);
  // Takes the entries over instead of copying them.
  static ValueNode Object(ObjectNode&& value);

  Kind kind() const { return kind_; }
  double number() const { return scalar_.number; }
  int64_t integer() const { return scalar_.integer; }
  bool boolean() const { return scalar_.boolean; }
  int64_t seconds() const { return scalar_.dateTime.seconds; }
  int32_t milliseconds() const { return scalar_.dateTime.milliseconds; }
  const std::string& text() const { return text_; }
  const std::vector<std::string>& list() const { return list_; }
  const ObjectNode* object() const { return object_.get(); }

  // Appends the value's JSON text; a value of no kind writes nothing.
  void AppendJson(std::string& out) const;

 private:
  Kind kind_ = NONE;
  union Scalar {
    double number;
    int64_t integer;
    bool boolean;
    struct {
      int64_t seconds;
      int32_t milliseconds;
    } dateTime;
  } scalar_{};
  std::string text_;
  std::vector<std::string> list_;
  std::unique_ptr<ObjectNode> object_;
};

class ObjectNode {
 public:
  using Entries = std::map<std::string, ValueNode>;  // byte order of the names

  virtual ~ObjectNode() = default;
  ObjectNode() = default;
  ObjectNode(const ObjectNode&) = default;
  ObjectNode& operator=(const ObjectNode&) = default;
  ObjectNode(ObjectNode&&) noexcept = default;
  ObjectNode& operator=(ObjectNode&&) noexcept = default;

  void SetNumber(const std::string& name, double value);
  void SetNumber(const std::string& name, int32_t value);
  // Refuses values over 8192 bytes or not valid UTF-8, with a line on
  // standard error; the name then keeps what it had.
  void SetString(const std::string& name, const std::string& value);
  void SetString(const std::string& name, const char* value);
  void SetBool(const std::string& name, bool value);
  void SetDateTime(const std::string& name, int64_t seconds, int32_t milliseconds);
  void SetList(const std::string& name, const std::vector<std::string>& value);
  virtual void SetObject(const std::string& name, const ObjectNode& value);
  // Stores a value as it is, without the checks of the setters.
  void SetValue(const std::string& name, ValueNode value);

  // Copies every entry of `other`, replacing entries of the same name.
  void MergeFrom(const ObjectNode& other);

  std::string ToJson() const;
  void AppendJson(std::string& out) const;

  const ValueNode* Find(const std::string& name) const;
  bool Erase(const std::string& name);
  size_t Size() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  Entries::const_iterator begin() const { return entries_.begin(); }
  Entries::const_iterator end() const { return entries_.end(); }

 private:
  Entries entries_;
};

// Writes `text` as a JSON string: quoted, with the seven short escapes
// (\b \t \n \f \r \" \\) and every other byte unchanged.
void AppendJsonString(std::string& out, const std::string& text);

}  // namespace usage_analytics::utils

namespace usage_analytics {

// A property set: never holds a nested object.
class PropertiesNode : public utils::ObjectNode {
 public:
  void SetObject(const std::string& name, const utils::ObjectNode& value) override;
};

}  // namespace usage_analytics
