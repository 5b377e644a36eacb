// Small queries about the machine: a fresh identifier as compact text, the
// Windows version as a short name, and whether Windows is 64-bit.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace Utils {

// What the system reports about its version; `ntdllLoaded` false means nothing
// could be asked at all.
struct WindowsVersionNumbers {
  bool ntdllLoaded = false;
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;     // low 16 bits only
  bool serverR2 = false;  // SM_SERVERR2
};

struct GuidFields {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  uint8_t data4[8] = {};
};

// 32 hexadecimal digits, no braces or dashes; the third group is lower case.
std::wstring NewGuidText();
std::wstring FormatGuidText(const GuidFields& guid);

void GetWindowsVersionName(std::wstring& product, std::wstring& version);
std::wstring WindowsVersionName(const WindowsVersionNumbers& numbers);

bool Is64BitWindows();

// Platform side.
WindowsVersionNumbers ReadWindowsVersionNumbers();
GuidFields CreateSystemGuid();

// Lets tests stand in for the system's version numbers; an empty function
// restores the real reading.
void SetWindowsVersionReaderForTesting(std::function<WindowsVersionNumbers()> reader);

}  // namespace Utils
