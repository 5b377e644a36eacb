#include <windows.h>

#include "utils/text_compare.h"

namespace Utils {

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                        b.c_str(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace Utils
