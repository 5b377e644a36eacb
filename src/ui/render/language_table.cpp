#include "ui/render/language_table.h"

#include <map>

namespace SkinUI {
namespace {

// UI thread only, as the rest of the toolkit.
std::map<int, std::wstring>& Table() {
  static std::map<int, std::wstring>* table = new std::map<int, std::wstring>;
  return *table;
}

}  // namespace

void AddLanguageText(int id, const std::wstring& text) { Table()[id] = text; }

std::optional<std::wstring> LanguageText(int id) {
  const auto found = Table().find(id);
  if (found == Table().end()) return std::nullopt;
  return found->second;
}

void ClearLanguageTexts() { Table().clear(); }

std::wstring ReplaceLanguageTokens(const std::wstring& text) {
  std::wstring result = text;
  size_t at = 0;
  while ((at = result.find(L'%', at)) != std::wstring::npos) {
    size_t end = at + 1;
    if (end < result.size() && result[end] == L'{') {
      size_t digitsEnd = end + 1;
      while (digitsEnd < result.size() && result[digitsEnd] >= L'0' && result[digitsEnd] <= L'9' &&
             digitsEnd - end <= 9)
        ++digitsEnd;
      if (digitsEnd > end + 1 && digitsEnd < result.size() && result[digitsEnd] == L'}') {
        const std::wstring token = result.substr(at, digitsEnd + 1 - at);
        if (const auto replacement = LanguageText(std::stoi(result.substr(end + 1, digitsEnd - end - 1)))) {
          // Every occurrence of this token; the scan then goes on after this
          // "%", so tokens a replacement brings along are replaced as well.
          for (size_t from = at; (from = result.find(token, from)) != std::wstring::npos;
               from += replacement->size())
            result.replace(from, token.size(), *replacement);
        }
      }
    }
    ++at;
  }
  return result;
}

}  // namespace SkinUI
