// Lets the thread's message queue drain for a moment, as the window does just
// before it starts another program.
#pragma once

namespace Utils {

// `window` is the native window handle (an HWND on Windows), or null for none.
// Dispatches the thread's messages while the window exists; true once more
// than 100 ms have passed, false on a quit message (posted again, with its
// code, for the caller's own loop) or when the window is gone. It waits for
// messages, so it may take longer than 100 ms when none arrive.
// POSIX has no thread message queue: it answers true at once.
bool PumpMessages(void* window);

}  // namespace Utils
