// The exception of the process helpers: thrown when a pipe cannot be made or a
// child process cannot be started. It carries no message; callers report
// their own failure code.
#pragma once
#include <exception>

namespace Utils {

class Exception : public std::exception {
 public:
  const char* what() const noexcept override { return ""; }
};

}  // namespace Utils
