// Settings files in the INI form, read and written with the semantics of the
// Windows profile functions: first matching section only, names compared
// without regard to ASCII case, blanks around names and values dropped, one
// pair of matching quotes around a value stripped, values cut to the caller's
// buffer. Writing edits only the line concerned and keeps the file's encoding.
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

  // As WritePrivateProfileStringW with a value: the bytes of the file
  // afterwards, from its bytes before (none: no file yet). The key's line in
  // the first matching section gets the value; a missing key goes after the
  // section's last entry, a missing section to the end of the file. Every
  // other line stays as it was. New files and files without a byte-order mark
  // are written in the ANSI code page (UTF-8 on POSIX); files with a mark keep
  // their encoding. None when IsWritableEntry refuses the entry.
  static std::optional<std::string> WithString(const std::optional<std::string>& bytes,
                                               const std::wstring& section,
                                               const std::wstring& key, const std::wstring& value);

  // The same on a file; false when the entry is refused or the file cannot be
  // written (a missing folder is not created).
  static bool WriteString(const std::wstring& path, const std::wstring& section,
                          const std::wstring& key, const std::wstring& value);

  // Whether writing the entry keeps the file's structure: a line break in any
  // part would add lines of the writer's choosing, a "=" in the key or a key
  // opening with "[" would be read back as something else, and an empty
  // section or key names nothing.
  static bool IsWritableEntry(const std::wstring& section, const std::wstring& key,
                              const std::wstring& value);

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
