// Settings files in the INI form, read with the semantics of the Windows
// profile functions: first matching section only, names compared without
// regard to ASCII case, blanks around names and values dropped, one pair of
// matching quotes around a value stripped, values cut to the caller's buffer.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace Utils {

class ProfileFile {
 public:
  // Text in UTF-8 (with or without a byte-order mark) or UTF-16 with its mark.
  static ProfileFile Parse(const std::string& bytes);
  static std::optional<ProfileFile> Load(const std::wstring& path);

  // As GetPrivateProfileStringW with a buffer of `bufferSize` characters: at
  // most bufferSize - 1 come back. A missing key gives `defaultValue` without
  // its trailing spaces.
  std::wstring GetString(const std::wstring& section, const std::wstring& key,
                         const std::wstring& defaultValue, size_t bufferSize) const;

  // As GetPrivateProfileIntW: missing or empty gives the default; otherwise
  // the decimal prefix after blanks and a sign, wrapping modulo 2^32.
  unsigned GetInt(const std::wstring& section, const std::wstring& key, int defaultValue) const;

 private:
  struct Entry {
    std::wstring key;
    std::optional<std::wstring> value;  // none for a line without "="
  };
  struct Section {
    std::wstring name;
    std::vector<Entry> entries;
  };
  const Entry* Find(const std::wstring& section, const std::wstring& key) const;

  std::vector<Section> sections_;
};

// Parses the way the profile integer reader does: leading characters up to
// the space skipped, an optional sign, decimal digits, wrapping modulo 2^32.
unsigned ProfileTextToInteger(const std::wstring& text);

}  // namespace Utils
