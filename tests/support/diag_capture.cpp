#include "support/diag_capture.h"

#include "app/diag_tap.h"

DiagCapture::DiagCapture() { SetDiagObserver(&DiagCapture::Observe, this); }
DiagCapture::~DiagCapture() { SetDiagObserver(nullptr, nullptr); }

std::vector<std::wstring> DiagCapture::Lines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

void DiagCapture::Observe(const wchar_t* text, void* self) {
  auto* capture = static_cast<DiagCapture*>(self);
  std::lock_guard lock(capture->mutex_);
  capture->lines_.emplace_back(text);
}
