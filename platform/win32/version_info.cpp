#include "platform/win32/version_info.h"

#include "platform/win32/system_headers.h"

#include <algorithm>

namespace platform::win32 {

std::uint32_t Win32VersionInfo::GetFileVersionInfoSize(const std::string& file) {
  DWORD handle = 0;
  return ::GetFileVersionInfoSizeA(file.c_str(), &handle);
}

bool Win32VersionInfo::GetFileVersionInfo(const std::string& file,
                                          std::vector<std::uint8_t>& data) {
  if (data.empty()) return false;
  return ::GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) !=
         FALSE;
}

bool Win32VersionInfo::VerQueryValue(std::vector<std::uint8_t>& data, const std::string& sub_block,
                                     std::vector<std::uint8_t>& value) {
  if (data.empty()) return false;
  void* found = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(data.data(), sub_block.c_str(), &found, &length) || !found) return false;
  // The block lies inside the resource; a length that runs past its end is cut there.
  const auto* begin = static_cast<const std::uint8_t*>(found);
  const std::uint8_t* end = data.data() + data.size();
  if (begin < data.data() || begin >= end) return false;
  const std::size_t available = static_cast<std::size_t>(end - begin);
  value.assign(begin, begin + std::min<std::size_t>(length, available));
  return true;
}

}  // namespace platform::win32
