// Natively there is no window system yet: the window exists in name only and
// its modal run returns at once.
#include "workflow/main_wnd.h"

CMainWnd::~CMainWnd() = default;

bool CMainWnd::Create(void*, const std::wstring&, uint32_t, uint32_t) { return true; }
void CMainWnd::CenterWindow() {}
void CMainWnd::ShowModal() {}
