// Numbers at the start of a text, read the way the C conversions read them:
// leading white space skipped, the longest numeric prefix taken, the rest ignored.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Base 10 with an optional sign. No digits gives 0; nullopt when the number
// does not fit 32 bits.
std::optional<int32_t> ParseInt32Prefix(const std::wstring& text);

// A decimal floating-point number (digits, point, exponent). nullopt when the
// text has no numeric prefix or the number is not finite.
std::optional<double> ParseDecimalPrefix(const std::wstring& text);
