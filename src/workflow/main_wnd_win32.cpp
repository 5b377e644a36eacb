#include <windows.h>

#include "workflow/main_wnd.h"

namespace {

constexpr wchar_t kClassName[] = L"KelvraInstallerMainWnd";
constexpr int kWidth = 600;
constexpr int kHeight = 400;

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  // A soft vertical gradient from white to the accent's lightest tint.
  for (int y = 0; y < client.bottom; ++y) {
    const int t = client.bottom > 1 ? y * 255 / (client.bottom - 1) : 0;
    HBRUSH band = CreateSolidBrush(RGB(255 - t * 21 / 255, 255 - t * 12 / 255, 255));
    RECT row{0, y, client.right, y + 1};
    FillRect(dc, &row, band);
    DeleteObject(band);
  }
  HFONT font = CreateFontW(-34, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                           DEFAULT_PITCH, L"微软雅黑");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0x16, 0x75, 0xFE));
  wchar_t caption[128] = {};
  GetWindowTextW(window, caption, 128);
  DrawTextW(dc, caption, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint(window);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(window, message, wParam, lParam);
}

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

void RegisterWindowClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = ModuleInstance();
  wc.hIcon = LoadIconW(ModuleInstance(), MAKEINTRESOURCEW(145));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

}  // namespace

CMainWnd::~CMainWnd() {
  if (handle_ && IsWindow(static_cast<HWND>(handle_))) DestroyWindow(static_cast<HWND>(handle_));
}

bool CMainWnd::Create(void* parent, const std::wstring& caption, uint32_t style, uint32_t exStyle) {
  static const bool registered = (RegisterWindowClass(), true);
  (void)registered;
  HWND window = CreateWindowExW(exStyle, kClassName, caption.c_str(), style, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                static_cast<HWND>(parent), nullptr, ModuleInstance(), nullptr);
  if (!window) return false;
  RECT frame{0, 0, kWidth, kHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  handle_ = window;
  return true;
}

void CMainWnd::CenterWindow() {
  HWND window = static_cast<HWND>(handle_);
  if (!window) return;
  RECT frame, work;
  GetWindowRect(window, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainWnd::ShowModal() {
  HWND window = static_cast<HWND>(handle_);
  MSG message;
  while (window && IsWindow(window)) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
