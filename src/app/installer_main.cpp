#include "app/installer_main.h"

#include <curl/curl.h>

#include <optional>

#include "app/crash_filter.h"
#include "app/event_helpers.h"
#include "app/installer_settings.h"
#include "app/single_instance_guard.h"
#include "ui/skin_state.h"
#include "workflow/main_wnd.h"

int InstallerMain(void* instance) {
  HardenDllSearch();
  InstallCrashFilter();

  if (curl_global_init(CURL_GLOBAL_ALL) != CURLE_OK) {
    InstallerSettings::CurlReady = false;
    // No tracker runs yet, so this report is dropped; start-up goes on.
    TrackTaskEvent(L"libcurl初始化失败", L"", 0.0f, {{L"AB", L"IN"}});
  }

  SingleInstanceGuard guard(kInstallerMutexName);
  if (!guard.Take()) return -1;

  StartAnalytics();
  ParseCommandLine();

  SkinUI::SetSkinModule(instance);
  SkinUI::UseSevenZipArchives(true);

  std::optional<CMainWnd> mainWnd(std::in_place);
  mainWnd->Create(nullptr, L"Pellux视频工具箱", kMainWndStyle, 0);
  mainWnd->CenterWindow();
  mainWnd->ShowModal();

  if (InstallerSettings::IsEnableAppAnalytics) StopAnalytics();
  curl_global_cleanup();
  mainWnd.reset();
  guard.Release();
  return 0;
}
