#include <windows.h>

#include "utils/platform_info.h"

namespace Utils {

WindowsVersionNumbers ReadWindowsVersionNumbers() {
  WindowsVersionNumbers numbers;
  HMODULE ntdll = LoadLibraryW(L"ntdll.dll");
  if (!ntdll) return numbers;
  numbers.ntdllLoaded = true;
  using GetNumbers = void(WINAPI*)(DWORD*, DWORD*, DWORD*);
  if (auto get = reinterpret_cast<GetNumbers>(
          reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetNtVersionNumbers")))) {
    DWORD major = 0, minor = 0, build = 0;
    get(&major, &minor, &build);
    numbers.major = major;
    numbers.minor = minor;
    numbers.build = build & 0xFFFF;
  }
  numbers.serverR2 = GetSystemMetrics(SM_SERVERR2) != 0;
  FreeLibrary(ntdll);
  return numbers;
}

GuidFields CreateSystemGuid() {
  GUID guid{};
  CoCreateGuid(&guid);
  GuidFields fields;
  fields.data1 = guid.Data1;
  fields.data2 = guid.Data2;
  fields.data3 = guid.Data3;
  for (int i = 0; i < 8; ++i) fields.data4[i] = guid.Data4[i];
  return fields;
}

bool Is64BitWindows() {
  // A 64-bit process only runs on 64-bit Windows; the emulation question below
  // answers false for it, so it is asked only by a 32-bit build.
  if constexpr (sizeof(void*) == 8) return true;
  using IsWow64 = BOOL(WINAPI*)(HANDLE, BOOL*);
  if (auto isWow64 = reinterpret_cast<IsWow64>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")))) {
    BOOL wow64 = FALSE;
    if (isWow64(GetCurrentProcess(), &wow64)) return wow64 != FALSE;
  }
  SYSTEM_INFO info{};
  GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
         info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64;
}

}  // namespace Utils
