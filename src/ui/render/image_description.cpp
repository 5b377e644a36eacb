#include "ui/render/image_description.h"

#include <algorithm>
#include <cwchar>

namespace SkinUI {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// "l,t,r,b": four decimal integers, each read as far as it goes and one
// separator skipped after it; missing ones stay 0.
Rect FourIntegers(const std::wstring& value) {
  int numbers[4] = {};
  const wchar_t* at = value.c_str();
  for (int& number : numbers) {
    if (!*at) break;
    wchar_t* end = nullptr;
    const long parsed = std::wcstol(at, &end, 10);
    number = static_cast<int>(parsed);
    at = end;
    if (*at) ++at;
  }
  return {numbers[0], numbers[1], numbers[2], numbers[3]};
}

uint32_t Hexadecimal(const std::wstring& value) {
  const wchar_t* at = value.c_str();
  if (*at == L'#') ++at;
  return static_cast<uint32_t>(std::wcstoul(at, nullptr, 16));
}

void Apply(ImageDescription& d, const std::wstring& key, const std::wstring& value) {
  if (key == L"file") {
    d.name = value;
  } else if (key == L"res") {
    d.name = value;
  } else if (key == L"restype") {
    d.resourceType = value;
  } else if (key == L"color") {
    d.name = value;
    d.resourceType = L"*COLOR*";
  } else if (key == L"dest") {
    d.dest = FourIntegers(value);
  } else if (key == L"source") {
    d.source = FourIntegers(value);
  } else if (key == L"corner" || key == L"scale9") {
    const Rect c = FourIntegers(value);
    d.corners = {c.left, c.top, c.right, c.bottom};
  } else if (key == L"mask") {
    d.mask = Hexadecimal(value);
  } else if (key == L"fade") {
    d.fade = static_cast<uint8_t>(std::wcstol(value.c_str(), nullptr, 10));
  } else if (key == L"hole") {
    d.hole = value == L"true";
  } else if (key == L"xtiled") {
    d.xtiled = value == L"true";
  } else if (key == L"ytiled") {
    d.ytiled = value == L"true";
  } else if (key == L"hsl") {
    d.hsl = value == L"true";
  }
}

}  // namespace

ImageDescription ParseImageDescription(const std::wstring& text) {
  ImageDescription d;
  d.name = text;  // the plain form
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    while (i < n && IsBlank(text[i])) ++i;
    if (i >= n) break;
    const size_t keyStart = i;
    while (i < n && text[i] != L'=' && !IsBlank(text[i])) ++i;
    const std::wstring key = text.substr(keyStart, i - keyStart);
    while (i < n && IsBlank(text[i])) ++i;
    if (i >= n || text[i] != L'=') break;
    ++i;
    while (i < n && IsBlank(text[i])) ++i;
    if (i >= n || text[i] != L'\'') break;
    const size_t valueStart = ++i;
    while (i < n && text[i] != L'\'') ++i;
    if (i >= n) break;
    const std::wstring value = text.substr(valueStart, i - valueStart);
    ++i;
    if (!value.empty()) Apply(d, key, value);
    if (i >= n || text[i] != L' ') break;
  }
  return d;
}

Rect ResolveDestination(const Rect& item, const Rect& dest) {
  if (dest == Rect{}) return item;
  return {item.left + dest.left, item.top + dest.top, std::min(item.left + dest.right, item.right),
          std::min(item.top + dest.bottom, item.bottom)};
}

}  // namespace SkinUI
