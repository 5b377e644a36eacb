#include <time.h>

#include "utils/local_time.h"

namespace Utils {

LocalTime ToLocalTime(int64_t secondsSince1970) {
  const time_t moment = static_cast<time_t>(secondsSince1970);
  tm fields{};
  if (!localtime_r(&moment, &fields)) return {};
  return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
          fields.tm_hour,        fields.tm_min,     fields.tm_sec};
}

}  // namespace Utils
