// Collects the diagnostic lines written while it lives.
#pragma once
#include <mutex>
#include <string>
#include <vector>

class DiagCapture {
 public:
  DiagCapture();
  ~DiagCapture();
  DiagCapture(const DiagCapture&) = delete;
  DiagCapture& operator=(const DiagCapture&) = delete;

  std::vector<std::wstring> Lines() const;

 private:
  static void Observe(const wchar_t* text, void* self);
  mutable std::mutex mutex_;
  std::vector<std::wstring> lines_;
};
