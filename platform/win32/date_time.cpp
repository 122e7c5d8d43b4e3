#include "platform/win32/date_time.h"

#include <windows.h>

namespace platform::win32 {

namespace {

SYSTEMTIME ToSystemTime(const platform::SystemTime& t) {
  return {t.year, t.month, t.day_of_week, t.day, t.hour, t.minute, t.second, t.milliseconds};
}

}  // namespace

platform::SystemTime Win32DateTime::GetLocalTime() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::string Win32DateTime::GetDateFormatA(const platform::SystemTime& date) {
  const SYSTEMTIME t = ToSystemTime(date);
  char text[128];
  const int n = ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, 128);
  return n > 0 ? std::string(text, n - 1) : std::string();
}

std::string Win32DateTime::GetTimeFormatA(const platform::SystemTime& time) {
  const SYSTEMTIME t = ToSystemTime(time);
  char text[128];
  const int n = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, text, 128);
  return n > 0 ? std::string(text, n - 1) : std::string();
}

}  // namespace platform::win32
