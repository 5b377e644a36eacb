// No thread message queue here: the headless window backend runs its own.
#include "utils/pump_messages.h"

namespace Utils {

bool PumpMessages(void*) { return true; }

}  // namespace Utils
