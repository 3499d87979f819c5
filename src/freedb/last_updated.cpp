// The date of the last update in the form the dialogs show.
#include "freedb/last_updated.h"

#include <cstdio>
#include <ctime>

#include "freedb/freedb_texts.h"

namespace bw {
namespace freedb {

std::string LastUpdatedText(const CalendarDate& date) {
  char text[80];
  std::snprintf(text, sizeof text, "%s%d/%d/%04d", kTextLastUpdatedPrefix, date.month, date.day,
                date.year);
  return text;
}

CalendarDate LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace freedb
}  // namespace bw
