#include <windows.h>

#include <string>

#include "app/installer_main.h"

void HardenDllSearch() {
  using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
  if (auto setDefault = reinterpret_cast<SetDefaultDirectories>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories"))))
    setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");

  wchar_t system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  // Loaded by full path and kept for the life of the process; a library this
  // Windows lacks is simply skipped.
  for (const wchar_t* name :
       {L"version.dll", L"ws2_32.dll", L"sxs.dll", L"dwmapi.dll", L"msimg32.dll", L"d3d8.dll",
        L"ieframe.dll", L"ws2help.dll", L"WindowsCodecs.dll"})
    LoadLibraryW((std::wstring(system, length) + L"\\" + name).c_str());
}
