// Command-line options: every argument becomes a key ("-key=value" splits at
// the first "="), and the first occurrence of a key wins.
#pragma once
#include <map>
#include <string>
#include <vector>

class OptionMap {
 public:
  static OptionMap FromArguments(const std::vector<std::wstring>& arguments);

  bool Has(const std::wstring& key) const;
  // Empty when absent.
  std::wstring Text(const std::wstring& key) const;
  // True exactly when the value is "true".
  bool Boolean(const std::wstring& key) const;
  // The decimal prefix (0 when there is none); `outOfRange` when it does not
  // fit 32 bits.
  int32_t Integer(const std::wstring& key, int32_t outOfRange) const;
  // The decimal-number prefix; `fallback` when there is none.
  double Decimal(const std::wstring& key, double fallback) const;

  const std::map<std::wstring, std::wstring>& Entries() const { return entries_; }

 private:
  std::map<std::wstring, std::wstring> entries_;
};
