// The pump against a real thread message queue and real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include "utils/pump_messages.h"

namespace {

// A message-only window: it has a queue and a procedure but needs no display,
// and the Windows tests run without one.
HWND CreateTestWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"KelvraPumpTest";
  RegisterClassW(&windowClass);  // fails harmlessly when already registered
  return CreateWindowExW(0, L"KelvraPumpTest", L"pump", 0, 0, 0, 0, 0, HWND_MESSAGE,
                         nullptr, windowClass.hInstance, nullptr);
}

void DrainQueue() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(PumpMessagesWin32, QuitStopsThePumpAndStaysForTheCallersLoop) {
  DrainQueue();
  PostQuitMessage(7);
  EXPECT_FALSE(Utils::PumpMessages(nullptr));
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
  DrainQueue();
}

TEST(PumpMessagesWin32, AnswersFalseOnceTheWindowIsGone) {
  DrainQueue();
  const HWND window = CreateTestWindow();
  ASSERT_NE(window, nullptr);
  // Closing destroys it while the pump dispatches.
  ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
  EXPECT_FALSE(Utils::PumpMessages(window));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(Utils::PumpMessages(window));  // gone before it starts: no wait at all
  DrainQueue();
}

TEST(PumpMessagesWin32, AnswersTrueAfterMessagesKeepComingFor100Ms) {
  DrainQueue();
  const HWND window = CreateTestWindow();
  ASSERT_NE(window, nullptr);
  const UINT_PTR timer = SetTimer(window, 1, 10, nullptr);
  ASSERT_NE(timer, 0u);
  EXPECT_TRUE(Utils::PumpMessages(window));
  EXPECT_TRUE(IsWindow(window));
  KillTimer(window, timer);
  DestroyWindow(window);
  DrainQueue();
}

}  // namespace
