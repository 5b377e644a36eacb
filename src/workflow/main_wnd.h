// The installer's main window. For now a plain window captioned with the
// product name; the skinned pages arrive with the UI toolkit.
#pragma once
#include <cstdint>
#include <string>

// WS_VISIBLE | WS_OVERLAPPEDWINDOW
inline constexpr uint32_t kMainWndStyle = 0x10CF0000;

class CMainWnd {
 public:
  CMainWnd() = default;
  ~CMainWnd();
  CMainWnd(const CMainWnd&) = delete;
  CMainWnd& operator=(const CMainWnd&) = delete;

  bool Create(void* parent, const std::wstring& caption, uint32_t style, uint32_t exStyle);
  void CenterWindow();
  // Pumps messages until the window is gone or a quit message arrives (which
  // is posted again for the caller's own loop).
  void ShowModal();

  void* Handle() const { return handle_; }

 private:
  void* handle_ = nullptr;
};
