#pragma once
// Kernel objects: named mutexes opened, any kernel handle closed, and the error a failed call
// left.
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace platform {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorInvalidParameter = 87;
constexpr std::uint32_t kErrorInvalidName = 123;

constexpr std::uint32_t kMutexAllAccess = 0x1F0001;

class KernelObjects {
 public:
  virtual ~KernelObjects() = default;

  // A handle, or 0 with the reason left for GetLastError.
  virtual Handle OpenMutexA(std::uint32_t access, bool inherit, const std::string& name) = 0;
  virtual std::uint32_t GetLastError() = 0;
  virtual bool CloseHandle(Handle handle) = 0;
};

}  // namespace platform
