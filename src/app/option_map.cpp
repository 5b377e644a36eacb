#include "app/option_map.h"

#include "app/number_text.h"

OptionMap OptionMap::FromArguments(const std::vector<std::wstring>& arguments) {
  OptionMap options;
  for (const std::wstring& argument : arguments) {
    const size_t equals = argument.find(L'=');
    if (argument.rfind(L"-", 0) == 0 && equals != std::wstring::npos)
      options.entries_.emplace(argument.substr(0, equals), argument.substr(equals + 1));
    else
      options.entries_.emplace(argument, std::wstring{});
  }
  return options;
}

bool OptionMap::Has(const std::wstring& key) const { return entries_.count(key) != 0; }

std::wstring OptionMap::Text(const std::wstring& key) const {
  const auto found = entries_.find(key);
  return found == entries_.end() ? std::wstring{} : found->second;
}

bool OptionMap::Boolean(const std::wstring& key) const { return Text(key) == L"true"; }

int32_t OptionMap::Integer(const std::wstring& key, int32_t outOfRange) const {
  return ParseInt32Prefix(Text(key)).value_or(outOfRange);
}

double OptionMap::Decimal(const std::wstring& key, double fallback) const {
  return ParseDecimalPrefix(Text(key)).value_or(fallback);
}
