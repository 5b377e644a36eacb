#include "app/single_instance_guard.h"

const wchar_t kInstallerMutexName[] = L"D1A547DB89C0BC61_" L"Installer_PXVideoTools";
