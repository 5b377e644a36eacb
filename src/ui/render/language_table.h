// The process-wide table of interface texts by id, and the replacement of
// "%{id}" tokens in texts before they are drawn.
#pragma once
#include <optional>
#include <string>

namespace SkinUI {

void AddLanguageText(int id, const std::wstring& text);
std::optional<std::wstring> LanguageText(int id);
void ClearLanguageTexts();

// Every "%{digits}" whose id is in the table becomes its text; tokens of
// unknown ids stay as written.
std::wstring ReplaceLanguageTokens(const std::wstring& text);

}  // namespace SkinUI
