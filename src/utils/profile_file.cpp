#include "utils/profile_file.h"

#include <fstream>
#include <iterator>

#include "utils/text_convert.h"

namespace Utils {
namespace {

bool IsProfileSpace(wchar_t c) {
  return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A;
}

wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

bool SameName(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

std::wstring DecodeText(const std::string& bytes) {
  const auto u = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 3 && u(0) == 0xEF && u(1) == 0xBB && u(2) == 0xBF)
    return NarrowToWide(bytes.substr(3), kUtf8CodePage);
  if (bytes.size() >= 2 && ((u(0) == 0xFF && u(1) == 0xFE) || (u(0) == 0xFE && u(1) == 0xFF))) {
    const bool little = u(0) == 0xFF;
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      units += static_cast<char16_t>(little ? (u(i) | (u(i + 1) << 8)) : ((u(i) << 8) | u(i + 1)));
    // Through UTF-8 so that wide text gets the platform's own width.
    std::string utf8;
    for (size_t i = 0; i < units.size(); ++i) {
      char32_t c = units[i];
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
          units[i + 1] <= 0xDFFF)
        c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
      else if (c >= 0xD800 && c <= 0xDFFF)
        c = 0xFFFD;
      if (c < 0x80) {
        utf8 += static_cast<char>(c);
      } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return NarrowToWide(utf8, kUtf8CodePage);
  }
  return NarrowToWide(bytes, kAnsiCodePage);
}

}  // namespace

ProfileFile ProfileFile::Parse(const std::string& bytes) {
  ProfileFile file;
  file.sections_.push_back({});  // entries before the first header belong to no section
  const std::wstring text = DecodeText(bytes);
  size_t next = 0;
  while (next < text.size()) {
    size_t start = next;
    while (next < text.size() && text[next] != L'\n' && text[next] != L'\r') ++next;
    while (next < text.size() && (text[next] == L'\n' || text[next] == L'\r')) ++next;
    size_t end = next;
    while (start < end && IsProfileSpace(text[start])) ++start;
    while (end > start && IsProfileSpace(text[end - 1])) --end;
    if (start >= end) continue;

    if (text[start] == L'[') {
      const size_t close = text.rfind(L']', end - 1);
      if (close != std::wstring::npos && close > start) {
        file.sections_.push_back({text.substr(start + 1, close - start - 1), {}});
        continue;
      }
      // A header without its bracket is read as an ordinary line.
    }
    const size_t equals = text.find(L'=', start);
    Entry entry;
    if (equals == std::wstring::npos || equals >= end) {
      entry.key = text.substr(start, end - start);
    } else {
      size_t nameEnd = equals;
      while (nameEnd > start && IsProfileSpace(text[nameEnd - 1])) --nameEnd;
      size_t valueStart = equals + 1;
      while (valueStart < end && IsProfileSpace(text[valueStart])) ++valueStart;
      entry.key = text.substr(start, nameEnd - start);
      entry.value = text.substr(valueStart, end - valueStart);
    }
    file.sections_.back().entries.push_back(std::move(entry));
  }
  return file;
}

std::optional<ProfileFile> ProfileFile::Load(const std::wstring& path) {
  std::ifstream in(WideToNarrow(path, kUtf8CodePage), std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Parse(bytes);
}

const ProfileFile::Entry* ProfileFile::Find(const std::wstring& section,
                                            const std::wstring& key) const {
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (!SameName(sections_[i].name, section)) continue;
    // Only the first section of that name is searched.
    for (const Entry& entry : sections_[i].entries)
      if (SameName(entry.key, key)) return &entry;
    return nullptr;
  }
  return nullptr;
}

std::wstring ProfileFile::GetString(const std::wstring& section, const std::wstring& key,
                                    const std::wstring& defaultValue, size_t bufferSize) const {
  if (bufferSize == 0) return {};
  std::wstring value;
  const Entry* entry = Find(section, key);
  if (entry && entry->value) {
    value = *entry->value;
  } else {
    value = defaultValue;
    while (value.size() > 1 && value.back() == L' ') value.pop_back();
  }
  // A matching pair of quotes goes only when the whole value fits.
  bool quoted = false;
  if (value.size() >= 2 && (value[0] == L'"' || value[0] == L'\'') && value.back() == value[0]) {
    value.erase(0, 1);
    quoted = bufferSize >= value.size();
  }
  if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
  if (quoted && !value.empty()) value.pop_back();
  return value;
}

unsigned ProfileTextToInteger(const std::wstring& text) {
  size_t i = 0;
  while (i < text.size() && text[i] <= L' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  unsigned total = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
    total = total * 10u + static_cast<unsigned>(text[i] - L'0');
  return negative ? 0u - total : total;
}

unsigned ProfileFile::GetInt(const std::wstring& section, const std::wstring& key,
                             int defaultValue) const {
  const std::wstring text = GetString(section, key, L"", 30);
  if (text.empty()) return static_cast<unsigned>(defaultValue);
  return ProfileTextToInteger(text);
}

}  // namespace Utils
