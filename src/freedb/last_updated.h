// "Last updated on 3/7/2024": the date of the last site-list fetch or statistics refresh as
// the settings and the status fields show it (month, day, four-digit year, no leading zeros).
#pragma once

#include <functional>
#include <string>

namespace bw {
namespace freedb {

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
};

// Where the dialogues ask for today's date; tests give a fixed one.
using TodayFunction = std::function<CalendarDate()>;

std::string LastUpdatedText(const CalendarDate& date);

// The local date of this machine.
CalendarDate LocalToday();

}  // namespace freedb
}  // namespace bw
