#pragma once
#include "platform/native_system_info.h"

namespace platform::win32 {

class Win32NativeSystemInfo : public platform::NativeSystemInfo {
 public:
  std::uint32_t ZwQuerySystemInformation(ProcAddress fn, std::uint32_t info_class, void* buffer,
                                         std::uint32_t size) override;
};

}  // namespace platform::win32
