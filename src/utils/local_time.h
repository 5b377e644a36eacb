// Calendar fields of a moment in the machine's local time zone.
#pragma once
#include <cstdint>

namespace Utils {

struct LocalTime {
  int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// `secondsSince1970` counts from 1970-01-01 00:00:00 UTC. A moment the
// system cannot convert gives the fields of the epoch.
LocalTime ToLocalTime(int64_t secondsSince1970);

}  // namespace Utils
