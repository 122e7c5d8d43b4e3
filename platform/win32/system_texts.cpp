#include "platform/win32/system_texts.h"

#include "platform/win32/system_headers.h"

#include "platform/win32/text_boundary.h"

namespace platform::win32 {

std::string Win32SystemTexts::FormatMessageA(std::uint32_t code) {
  char text[512];
  DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             code, 0, text, sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r')) --n;
  return Utf8FromAnsi(std::string_view(text, n));
}

bool Win32SystemTexts::GetFileLastWriteTime(const std::string& path, SystemTime& local) {
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  FILETIME local_time;
  SYSTEMTIME t;
  const auto get = RV_WIDE("kernel32.dll", GetFileAttributesExW);
  if (!(get ? get(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &attributes)
            : ::GetFileAttributesExA(AnsiFromUtf8(path).c_str(), GetFileExInfoStandard,
                                     &attributes)) ||
      !::FileTimeToLocalFileTime(&attributes.ftLastWriteTime, &local_time) ||
      !::FileTimeToSystemTime(&local_time, &t))
    return false;
  local = {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
  return true;
}

}  // namespace platform::win32
