// Wide text as UTF-16 code units in bytes, the form of registry strings and
// Unicode settings files. wchar_t is UTF-16 on Windows and UTF-32 on POSIX,
// so surrogate pairs are joined or split here.
#pragma once
#include <string>

namespace Utils {

// Every unit, zeros included; an odd last byte is read with a zero high byte
// (the system's readers pad their buffers with zeros). Lone surrogates become
// U+FFFD where wchar_t cannot hold them.
std::wstring Utf16BytesToWide(const std::string& bytes, bool bigEndian = false);

// No terminating zero unit is added.
std::string WideToUtf16Bytes(const std::wstring& text, bool bigEndian = false);

}  // namespace Utils
