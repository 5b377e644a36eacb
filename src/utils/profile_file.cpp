#include "utils/profile_file.h"

#include "utils/files.h"
#include "utils/text_convert.h"
#include "utils/utf16_bytes.h"

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

std::wstring Trimmed(const std::wstring& text) {
  size_t start = 0, end = text.size();
  while (start < end && IsProfileSpace(text[start])) ++start;
  while (end > start && IsProfileSpace(text[end - 1])) --end;
  return text.substr(start, end - start);
}

enum class Encoding { Ansi, Utf8Mark, Utf16Le, Utf16Be };

struct DecodedText {
  Encoding encoding = Encoding::Ansi;
  std::wstring text;
};

DecodedText Decode(const std::string& bytes) {
  const auto u = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 3 && u(0) == 0xEF && u(1) == 0xBB && u(2) == 0xBF)
    return {Encoding::Utf8Mark, NarrowToWide(bytes.substr(3), kUtf8CodePage)};
  if (bytes.size() >= 2 && u(0) == 0xFF && u(1) == 0xFE)
    return {Encoding::Utf16Le, Utf16BytesToWide(bytes.substr(2))};
  if (bytes.size() >= 2 && u(0) == 0xFE && u(1) == 0xFF)
    return {Encoding::Utf16Be, Utf16BytesToWide(bytes.substr(2), true)};
  return {Encoding::Ansi, NarrowToWide(bytes, kAnsiCodePage)};
}

std::string Encode(const DecodedText& decoded) {
  switch (decoded.encoding) {
    case Encoding::Utf8Mark:
      return "\xEF\xBB\xBF" + WideToNarrow(decoded.text, kUtf8CodePage);
    case Encoding::Utf16Le:
      return "\xFF\xFE" + WideToUtf16Bytes(decoded.text);
    case Encoding::Utf16Be:
      return "\xFE\xFF" + WideToUtf16Bytes(decoded.text, true);
    case Encoding::Ansi:
      break;
  }
  return WideToNarrow(decoded.text, kAnsiCodePage);
}

// One line of the text as the profile functions see it. Offsets index the text.
struct Line {
  enum Kind { Blank, Header, Entry } kind = Blank;
  size_t contentBegin = 0;  // first non-blank character
  size_t contentEnd = 0;    // after the last non-blank character
  size_t breakBegin = 0;    // where the line break starts, or the end of the text
  size_t end = 0;           // after the line break, if there is one
  std::wstring name;        // section name or key, without blanks
  std::optional<std::wstring> value;
};

std::vector<Line> ScanLines(const std::wstring& text) {
  std::vector<Line> lines;
  size_t next = 0;
  while (next < text.size()) {
    Line line;
    size_t start = next;
    while (next < text.size() && text[next] != L'\n' && text[next] != L'\r') ++next;
    line.breakBegin = next;
    // One break per line ("\r\n", "\r" or "\n"), so blank lines are lines of their own.
    if (next < text.size() && text[next] == L'\r') ++next;
    if (next < text.size() && text[next] == L'\n') ++next;
    line.end = next;
    size_t end = next;
    while (start < end && IsProfileSpace(text[start])) ++start;
    while (end > start && IsProfileSpace(text[end - 1])) --end;
    line.contentBegin = start;
    line.contentEnd = end;
    if (start < end && text[start] == L'[') {
      const size_t close = text.rfind(L']', end - 1);
      if (close != std::wstring::npos && close > start) {
        line.kind = Line::Header;
        line.name = Trimmed(text.substr(start + 1, close - start - 1));
      }
      // A header without its bracket is read as an ordinary line.
    }
    if (start < end && line.kind == Line::Blank) {
      line.kind = Line::Entry;
      const size_t equals = text.find(L'=', start);
      if (equals == std::wstring::npos || equals >= end) {
        line.name = text.substr(start, end - start);
      } else {
        line.name = Trimmed(text.substr(start, equals - start));
        line.value = Trimmed(text.substr(equals + 1, end - equals - 1));
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

ProfileFile ProfileFile::Parse(const std::string& bytes) {
  ProfileFile file;
  file.sections_.push_back({});  // entries before the first header belong to no section
  for (Line& line : ScanLines(Decode(bytes).text)) {
    if (line.kind == Line::Header)
      file.sections_.push_back({std::move(line.name), {}});
    else if (line.kind == Line::Entry)
      file.sections_.back().entries.push_back({std::move(line.name), std::move(line.value)});
  }
  return file;
}

std::optional<ProfileFile> ProfileFile::Load(const std::wstring& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return Parse(*bytes);
}

const ProfileFile::Entry* ProfileFile::Find(const std::wstring& section,
                                            const std::wstring& key) const {
  const std::wstring sectionName = Trimmed(section), keyName = Trimmed(key);
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (!SameName(sections_[i].name, sectionName)) continue;
    // Only the first section of that name is searched.
    for (const Entry& entry : sections_[i].entries)
      if (SameName(entry.key, keyName)) return &entry;
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

bool ProfileFile::IsWritableEntry(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& value) {
  const auto hasBreak = [](const std::wstring& text) {
    return text.find_first_of(L"\r\n") != std::wstring::npos;
  };
  const std::wstring keyName = Trimmed(key);
  return !Trimmed(section).empty() && !keyName.empty() && !hasBreak(section) && !hasBreak(key) &&
         !hasBreak(value) && keyName.find(L'=') == std::wstring::npos && keyName[0] != L'[';
}

std::optional<std::string> ProfileFile::WithString(const std::optional<std::string>& bytes,
                                                   const std::wstring& section,
                                                   const std::wstring& key,
                                                   const std::wstring& value) {
  if (!IsWritableEntry(section, key, value)) return std::nullopt;
  DecodedText decoded = bytes ? Decode(*bytes) : DecodedText{};
  std::wstring& text = decoded.text;
  const std::wstring sectionName = Trimmed(section), keyName = Trimmed(key);
  // The system's writer drops the value's leading blanks; its readers drop
  // the trailing ones.
  size_t valueStart = 0;
  while (valueStart < value.size() && IsProfileSpace(value[valueStart])) ++valueStart;
  const std::wstring entryText = keyName + L"=" + value.substr(valueStart);

  const std::vector<Line> lines = ScanLines(text);
  size_t at = 0;
  while (at < lines.size() &&
         !(lines[at].kind == Line::Header && SameName(lines[at].name, sectionName)))
    ++at;
  // Text inserted after `line` starts on a line of its own.
  const auto insertAfter = [&](const Line& line, const std::wstring& inserted) {
    const bool broken = line.end > 0 && (text[line.end - 1] == L'\n' || text[line.end - 1] == L'\r');
    text.insert(line.end, (broken || line.end == 0 ? L"" : L"\r\n") + inserted);
  };
  if (at == lines.size()) {
    const std::wstring added = L"[" + sectionName + L"]\r\n" + entryText + L"\r\n";
    if (lines.empty())
      text += added;
    else
      insertAfter(lines.back(), added);
    return Encode(decoded);
  }
  size_t last = at;  // the header or the section's last entry
  for (size_t i = at + 1; i < lines.size() && lines[i].kind != Line::Header; ++i) {
    if (lines[i].kind != Line::Entry) continue;
    if (SameName(lines[i].name, keyName)) {
      // The key keeps its own spelling and indentation, the line its break.
      const size_t keyEnd = lines[i].contentBegin + lines[i].name.size();
      const size_t keyBegin = lines[i].contentBegin;
      text.replace(keyBegin, lines[i].breakBegin - keyBegin,
                   text.substr(keyBegin, keyEnd - keyBegin) + L"=" + value.substr(valueStart));
      return Encode(decoded);
    }
    last = i;
  }
  insertAfter(lines[last], entryText + L"\r\n");
  return Encode(decoded);
}

bool ProfileFile::WriteString(const std::wstring& path, const std::wstring& section,
                              const std::wstring& key, const std::wstring& value) {
  const std::optional<std::string> before = ReadFileBytes(path);
  // A file that is there but cannot be read is not replaced.
  if (!before && FileExists(path)) return false;
  const std::optional<std::string> after = WithString(before, section, key, value);
  return after && WriteFileBytes(path, *after);
}

}  // namespace Utils
