#include <locale.h>
#include <wctype.h>

#include "utils/text_compare.h"

namespace Utils {
namespace {

// The process may run in the "C" locale, which folds only ASCII; names of
// skins and folders are not only ASCII.
locale_t FoldingLocale() {
  static const locale_t locale = [] {
    locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return made ? made : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
  }();
  return locale;
}

}  // namespace

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  const locale_t locale = FoldingLocale();
  for (size_t i = 0; i < a.size(); ++i)
    if (towlower_l(static_cast<wint_t>(a[i]), locale) != towlower_l(static_cast<wint_t>(b[i]), locale))
      return false;
  return true;
}

}  // namespace Utils
