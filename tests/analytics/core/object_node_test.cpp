#include "analytics/core/object_node.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "analytics/core/utf8_validation.h"
#include "utils/local_time.h"

namespace {

using usage_analytics::PropertiesNode;
using usage_analytics::utils::IsValidUtf8;
using usage_analytics::utils::ObjectNode;

// Collects what is written to standard error while it lives.
class StandardErrorCapture {
 public:
  StandardErrorCapture() : previous_(std::cerr.rdbuf(captured_.rdbuf())) {}
  ~StandardErrorCapture() { std::cerr.rdbuf(previous_); }
  std::string Text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* previous_;
};

TEST(ObjectNode, MembersInByteOrderOfTheirNames) {
  ObjectNode node;
  node.SetString("distinct_id", "d");
  node.SetString("b", "2");
  node.SetString("a", "1");
  node.SetString("_track_id", "t");
  node.SetString("$os", "Windows");
  node.SetString("\xC3\xA9", "high byte sorts last");
  EXPECT_EQ(node.ToJson(),
            "{\"$os\":\"Windows\",\"_track_id\":\"t\",\"a\":\"1\",\"b\":\"2\",\"distinct_id\":\"d\","
            "\"\xC3\xA9\":\"high byte sorts last\"}");
}

TEST(ObjectNode, ValuesOfEveryKind) {
  ObjectNode inner;
  inner.SetString("$lib", "cpp");
  ObjectNode node;
  node.SetNumber("float", static_cast<double>(3.7f));
  node.SetNumber("big", 100000000.0);
  node.SetNumber("small", 0.0000001);
  node.SetNumber("millions", 1234567.0);
  node.SetNumber("half", 12.5);
  node.SetNumber("int", int32_t{100000000});
  node.SetNumber("negative", int32_t{-42});
  node.SetBool("yes", true);
  node.SetBool("no", false);
  node.SetList("list", {"a", "b\"c"});
  node.SetList("empty_list", {});
  node.SetObject("lib", inner);
  EXPECT_EQ(node.ToJson(),
            "{\"big\":1e+08,\"empty_list\":[],\"float\":3.7,\"half\":12.5,\"int\":100000000,"
            "\"lib\":{\"$lib\":\"cpp\"},\"list\":[\"a\",\"b\\\"c\"],\"millions\":1.23457e+06,"
            "\"negative\":-42,\"no\":false,\"small\":1e-07,\"yes\":true}");
  EXPECT_EQ(ObjectNode().ToJson(), "{}");
}

TEST(ObjectNode, NumbersWithoutJsonFormAreNull) {
  ObjectNode node;
  node.SetNumber("inf", HUGE_VAL);
  node.SetNumber("nan", std::nan(""));
  EXPECT_EQ(node.ToJson(), "{\"inf\":null,\"nan\":null}");
}

TEST(ObjectNode, DateTimeInLocalTimeWithMilliseconds) {
  const int64_t seconds = 1680678489;  // some moment in April 2023
  const Utils::LocalTime local = Utils::ToLocalTime(seconds);
  char expected[64];
  std::snprintf(expected, sizeof expected, "{\"$time\":\"%04d-%02d-%02d %02d:%02d:%02d.010\"}",
                local.year, local.month, local.day, local.hour, local.minute, local.second);
  ObjectNode node;
  node.SetDateTime("$time", seconds, 10);
  EXPECT_EQ(node.ToJson(), expected);
  EXPECT_EQ(local.year, 2023);
}

TEST(ObjectNode, SevenEscapesAndNothingElse) {
  ObjectNode node;
  node.SetValue("s", usage_analytics::utils::ValueNode::String(
                         std::string("q\" b\\ \b\t\n\f\r \x01 \x7F \xE8\xA7\x86 /")));
  EXPECT_EQ(node.ToJson(),
            std::string("{\"s\":\"q\\\" b\\\\ \\b\\t\\n\\f\\r \x01 \x7F \xE8\xA7\x86 /\"}"));
}

TEST(ObjectNode, StringRefusalsLeaveTheEarlierValue) {
  ObjectNode node;
  node.SetString("v", "old");
  const std::string longest(8192, 'x');
  const std::string tooLong(8193, 'x');
  {
    StandardErrorCapture errors;
    node.SetString("v", tooLong);
    EXPECT_EQ(errors.Text(), "String property 'v' is too long, value: " + tooLong + "\n");
  }
  EXPECT_EQ(node.Find("v")->text(), "old");
  {
    StandardErrorCapture errors;
    node.SetString("v", "bad\x7F");
    node.SetString("w", "\xC0\x80");
    EXPECT_EQ(errors.Text(),
              "String property 'v' is not valid UTF-8 string, value: bad\x7F\n"
              "String property 'w' is not valid UTF-8 string, value: \xC0\x80\n");
  }
  EXPECT_EQ(node.Find("v")->text(), "old");
  EXPECT_EQ(node.Find("w"), nullptr);
  StandardErrorCapture errors;
  node.SetString("v", longest);
  node.SetString("e", "");
  EXPECT_EQ(node.Find("v")->text(), longest);
  EXPECT_NE(node.Find("e"), nullptr);
  EXPECT_EQ(errors.Text(), "");
}

TEST(ObjectNode, Utf8Rule) {
  struct Utf8Case {
    std::string text;
    bool valid;
  };
  const Utf8Case cases[] = {
      {"", true},
      {"plain ascii ~", true},
      {"tab\tlf\ncr\r", true},
      {"\xC3\xA9", true},                  // é
      {"\xF0\x9F\x8E\xAC", true},          // four-byte emoji
      {"\xE8\xA7\x86\xE9\xA2\x91", true},  // 视频
      {"\xEE\x80\x80\xEF\xBF\xBF", true},
      {"\xF4\x8F\xBF\xBF", true},          // highest scalar value
      {std::string("\0", 1), false},
      {"\x01", false},
      {"\x7F", false},
      {"\xC0\x80", false},      // overlong zero
      {"\xC1\xBF", false},
      {"\xED\xA0\x80", false},  // surrogate
      {"\xE0\x9F\xBF", false},  // overlong three-byte
      {"\xF0\x8F\xBF\xBF", false},
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\x80", false},
      {"\xC3", false},          // cut off
      {"\xE8\xA7", false},
      {"\xF0\x9F\x8E", false},
      {"\xC3\x28", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.text), c.valid) << testing::PrintToString(c.text);
}

TEST(ObjectNode, MergeReplacesAndCopiesDeeply) {
  ObjectNode inner;
  inner.SetString("k", "v1");
  ObjectNode target;
  target.SetString("keep", "1");
  target.SetString("same", "old");
  ObjectNode source;
  source.SetString("same", "new");
  source.SetObject("inner", inner);
  target.MergeFrom(source);
  inner.SetString("k", "v2");  // the copies do not follow the original
  ObjectNode copy = target;
  source.Erase("inner");
  EXPECT_EQ(target.ToJson(), "{\"inner\":{\"k\":\"v1\"},\"keep\":\"1\",\"same\":\"new\"}");
  EXPECT_EQ(copy.ToJson(), target.ToJson());
}

TEST(PropertiesNode, NeverHoldsAnObject) {
  ObjectNode inner;
  inner.SetString("k", "v");
  PropertiesNode properties;
  properties.SetString("a", "1");
  properties.SetObject("o", inner);
  ObjectNode& asObject = properties;
  asObject.SetObject("p", inner);
  EXPECT_EQ(properties.ToJson(), "{\"a\":\"1\"}");
}

}  // namespace
