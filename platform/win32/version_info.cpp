#include "platform/win32/version_info.h"

#include "platform/win32/system_headers.h"

#include <algorithm>
#include <string>

#include "platform/win32/text_boundary.h"

namespace platform::win32 {

std::uint32_t Win32VersionInfo::GetFileVersionInfoSize(const std::string& file) {
  DWORD handle = 0;
  if (const auto size = RV_WIDE("version.dll", GetFileVersionInfoSizeW))
    return size(WideFromUtf8(file).c_str(), &handle);
  return ::GetFileVersionInfoSizeA(AnsiFromUtf8(file).c_str(), &handle);
}

bool Win32VersionInfo::GetFileVersionInfo(const std::string& file,
                                          std::vector<std::uint8_t>& data) {
  if (data.empty()) return false;
  const auto size = static_cast<DWORD>(data.size());
  if (const auto get = RV_WIDE("version.dll", GetFileVersionInfoW))
    return get(WideFromUtf8(file).c_str(), 0, size, data.data()) != FALSE;
  return ::GetFileVersionInfoA(AnsiFromUtf8(file).c_str(), 0, size, data.data()) != FALSE;
}

bool Win32VersionInfo::VerQueryValue(std::vector<std::uint8_t>& data, const std::string& sub_block,
                                     std::vector<std::uint8_t>& value) {
  if (data.empty()) return false;
  void* found = nullptr;
  UINT length = 0;
  const auto query = RV_WIDE("version.dll", VerQueryValueW);
  const bool got =
      query ? query(data.data(), WideFromUtf8(sub_block).c_str(), &found, &length) != FALSE
            : ::VerQueryValueA(data.data(), AnsiFromUtf8(sub_block).c_str(), &found, &length) !=
                  FALSE;
  if (!got || !found) return false;
  // The block lies inside the resource; a length that runs past its end is cut there.
  const auto* begin = static_cast<const std::uint8_t*>(found);
  const std::uint8_t* end = data.data() + data.size();
  if (begin < data.data() || begin >= end) return false;
  const std::size_t available = static_cast<std::size_t>(end - begin);
  // A string's length counts its characters; as UTF-8 it is handed on with its NUL.
  const bool text = sub_block.rfind("\\StringFileInfo\\", 0) == 0;
  if (text) {
    if (query) {
      std::wstring_view wide(reinterpret_cast<const wchar_t*>(begin),
                             std::min<std::size_t>(length, available / sizeof(wchar_t)));
      wide = wide.substr(0, wide.find(L'\0'));
      const std::string utf8 = Utf8FromWide(wide);
      value.assign(utf8.begin(), utf8.end());
    } else {
      const std::string ansi(reinterpret_cast<const char*>(begin),
                             std::min<std::size_t>(length, available));
      const std::string utf8 = Utf8FromAnsi(ansi.substr(0, ansi.find('\0')));
      value.assign(utf8.begin(), utf8.end());
    }
    value.push_back(0);
    return true;
  }
  value.assign(begin, begin + std::min<std::size_t>(length, available));
  return true;
}

}  // namespace platform::win32
