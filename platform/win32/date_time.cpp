#include "platform/win32/date_time.h"

#include "platform/win32/system_headers.h"

#include "platform/win32/text_boundary.h"

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
  // The locale's texts come in the code page; the program's are UTF-8.
  return n > 0 ? Utf8FromAnsi(std::string_view(text, n - 1)) : std::string();
}

std::string Win32DateTime::GetTimeFormatA(const platform::SystemTime& time) {
  const SYSTEMTIME t = ToSystemTime(time);
  char text[128];
  const int n = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, text, 128);
  return n > 0 ? Utf8FromAnsi(std::string_view(text, n - 1)) : std::string();
}

std::uint32_t Win32DateTime::GetTickCount() {
  return ::GetTickCount();
}

std::string Win32DateTime::GetNumberFormatA(std::string_view digits) {
  const std::string value(digits);
  // The user's grouping and separators, with no decimals: the count is whole.
  char grouping[16] = {}, decimal[8] = {}, thousand[8] = {};
  ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, grouping, sizeof grouping);
  ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
  ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousand, sizeof thousand);
  // The locale writes its grouping as "3;0" (threes throughout), "3;2;0" or "3" (one group of
  // three); the format takes 3, 32 and 30 for them.
  UINT group = 0;
  const char* last = grouping;
  for (const char* c = grouping; *c; ++c)
    if (*c >= '0' && *c <= '9') group = group * 10 + static_cast<UINT>(*(last = c) - '0');
  group = *last == '0' ? group / 10 : group * 10;
  NUMBERFMTA format{0, 0, group, decimal, thousand, 1};
  char text[64];
  const int n = ::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, value.c_str(), &format, text, 64);
  return n > 0 ? Utf8FromAnsi(std::string_view(text, n - 1)) : value;
}

}  // namespace platform::win32
