#include <windows.h>

#include "utils/pump_messages.h"

namespace Utils {

bool PumpMessages(void* window) {
  const HWND hwnd = static_cast<HWND>(window);
  const DWORD start = GetTickCount();
  while (!hwnd || IsWindow(hwnd)) {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // The caller's loop must still see the quit.
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (got == -1) return false;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (GetTickCount() - start > 100) return true;
  }
  return false;
}

}  // namespace Utils
