// Escapes an address for the system's URL download: printable ASCII stays as
// it is (so ":", "/", "?", "&", "=" and existing "%XX" sequences survive),
// a space becomes "+", every other UTF-8 byte becomes "%XX".
#pragma once
#include <string>

namespace Utils {

std::wstring UrlEscape(const std::wstring& address);

}  // namespace Utils
