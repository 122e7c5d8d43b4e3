#include "platform/win32/registry.h"

namespace platform::win32 {

bool Win32Registry::OpenKey(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  // The root keys are the predefined handles, whose values are the numbers the roots carry.
  HKEY root_key = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root));
  if (::RegOpenKeyExA(root_key, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  key_.Reset(key);
  path_ = path;
  return true;
}

bool Win32Registry::QueryValueType(const std::string& name, std::uint32_t& type) {
  if (!key_) return false;
  DWORD t = 0;
  if (::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &t, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  type = t;
  return true;
}

std::int32_t Win32Registry::ReadBinaryValue(const std::string& name, void* buffer,
                                            std::uint32_t size) {
  if (!key_) return -1;
  DWORD n = size;
  if (::RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, static_cast<BYTE*>(buffer),
                         &n) != ERROR_SUCCESS)
    return -1;
  return static_cast<std::int32_t>(n);
}

void Win32Registry::CloseKey() {
  key_.Reset();
  path_.clear();
}

std::string Win32Registry::CurrentPath() const {
  return path_;
}

}  // namespace platform::win32
