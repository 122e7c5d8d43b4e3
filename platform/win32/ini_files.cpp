#include "platform/win32/ini_files.h"

#include "platform/win32/system_headers.h"

#include "platform/win32/text_boundary.h"

namespace platform::win32 {

// The file's contents are ASCII; its path is the program's own, which may be in any script.
bool Win32IniFiles::GetPrivateProfileString(const std::string& section, const std::string& key,
                                            const std::string& default_value, std::string& value,
                                            const std::string& path) {
  if (const auto get = RV_WIDE("kernel32.dll", GetPrivateProfileStringW)) {
    wchar_t buffer[2048];
    const DWORD n =
        get(WideFromUtf8(section).c_str(), WideFromUtf8(key).c_str(),
            WideFromUtf8(default_value).c_str(), buffer, 2048, WideFromUtf8(path).c_str());
    value = Utf8FromWide(std::wstring_view(buffer, n));
    return true;
  }
  char buffer[2048];
  DWORD n = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(), buffer,
                                       sizeof buffer, AnsiFromUtf8(path).c_str());
  value.assign(buffer, n);
  return true;
}

bool Win32IniFiles::WritePrivateProfileString(const std::string& section, const std::string& key,
                                              const std::string& value, const std::string& path) {
  if (const auto write = RV_WIDE("kernel32.dll", WritePrivateProfileStringW))
    return write(WideFromUtf8(section).c_str(), WideFromUtf8(key).c_str(),
                 WideFromUtf8(value).c_str(), WideFromUtf8(path).c_str()) != FALSE;
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      AnsiFromUtf8(path).c_str()) != FALSE;
}

}  // namespace platform::win32
