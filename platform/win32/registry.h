#pragma once
#include "platform/win32/system_headers.h"

#include "platform/registry.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

struct RegistryKeyTraits {
  using Value = HKEY;
  static constexpr HandleKind kKind = HandleKind::kKernel;
  static Value None() { return nullptr; }
  static void Close(Value h) { ::RegCloseKey(h); }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

// Read-only access through one current key, closed when replaced, closed or destroyed.
class Win32Registry : public platform::Registry {
 public:
  bool OpenKey(RegistryRoot root, const std::string& path) override;
  bool QueryValueType(const std::string& name, std::uint32_t& type) override;
  std::int32_t ReadBinaryValue(const std::string& name, void* buffer, std::uint32_t size) override;
  void CloseKey() override;
  std::string CurrentPath() const override;

 private:
  UniqueRegistryKey key_;
  std::string path_;
};

}  // namespace platform::win32
