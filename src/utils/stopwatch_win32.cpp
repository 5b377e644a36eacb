#include <windows.h>

#include "utils/stopwatch.h"

namespace Utils {

uint32_t SystemTickCount() { return GetTickCount(); }

}  // namespace Utils
