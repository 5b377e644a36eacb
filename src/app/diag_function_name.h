// Turns the compiler's full function signature into the qualified name the
// trace shows: "static unsigned int Utils::Thread::CallBack(void*)" becomes
// "Utils::Thread::CallBack", and a lambda inside CurlClient::Start becomes
// "CurlClient::Start::<lambda(int)>". Done at compile time.
#pragma once
#include <array>
#include <cstddef>

namespace diag_detail {

constexpr bool EndsWithOperator(const wchar_t* out, size_t length) {
  constexpr char kWord[] = "operator";
  if (length < 8) return false;
  for (size_t i = 0; i < 8; ++i)
    if (out[length - 8 + i] != static_cast<wchar_t>(kWord[i])) return false;
  return length == 8 || out[length - 9] == L':' || out[length - 9] == L'~';
}

template <size_t N>
constexpr std::array<wchar_t, N> QualifiedFunctionName(const char (&signature)[N]) {
  std::array<wchar_t, N> out{};
  size_t length = 0;
  size_t end = N - 1;
  // Template arguments of the signature come as a " [with ...]" tail.
  for (size_t i = 0; i + 6 < end; ++i)
    if (signature[i] == ' ' && signature[i + 1] == '[' && signature[i + 2] == 'w' &&
        signature[i + 3] == 'i' && signature[i + 4] == 't' && signature[i + 5] == 'h') {
      end = i;
      break;
    }
  int angle = 0;
  size_t i = 0;
  while (i < end) {
    const char c = signature[i];
    if (angle == 0 && EndsWithOperator(out.data(), length)) {
      // The operator's symbol belongs to the name: "operator()", "operator<", "operator bool".
      if (c == '(' && i + 1 < end && signature[i + 1] == ')') {
        out[length++] = L'(';
        out[length++] = L')';
        i += 2;
      }
      while (i < end && signature[i] != '(') out[length++] = static_cast<wchar_t>(signature[i++]);
      continue;
    }
    if (c == '<') ++angle;
    if (c == '>' && angle > 0) --angle;
    if (angle == 0 && c == ' ') {
      length = 0;  // what came before was the return type or a specifier
      ++i;
      continue;
    }
    if (angle == 0 && c == '(') {
      // A parameter list, with any qualifiers after it, up to "::" or the end.
      int depth = 0;
      for (; i < end; ++i) {
        if (signature[i] == '(') ++depth;
        if (signature[i] == ')' && --depth == 0) break;
      }
      ++i;
      while (i < end && !(signature[i] == ':' && i + 1 < end && signature[i + 1] == ':')) ++i;
      continue;
    }
    out[length++] = static_cast<wchar_t>(c);
    ++i;
  }
  out[length] = L'\0';
  return out;
}

}  // namespace diag_detail
