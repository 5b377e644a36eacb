// Collects what is written to std::cerr while it lives. Threads that may
// write must have finished before it goes away.
#pragma once
#include <iostream>
#include <sstream>
#include <string>

class StandardErrorCapture {
 public:
  StandardErrorCapture() : previous_(std::cerr.rdbuf(captured_.rdbuf())) {}
  ~StandardErrorCapture() { std::cerr.rdbuf(previous_); }
  StandardErrorCapture(const StandardErrorCapture&) = delete;
  StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

  std::string Text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* previous_;
};
