#pragma once
// Other processes: opened with the rights a step needs, their priority classes and times read
// and set, ended. Their handles are kernel objects, closed through KernelObjects.
#include <cstdint>

#include "platform/kernel_objects.h"
#include "platform/types.h"

namespace platform {

// Process access rights and priority classes. The limited query right exists from Vista on;
// earlier systems refuse it.
constexpr std::uint32_t kProcessTerminate = 0x0001;
constexpr std::uint32_t kProcessVmRead = 0x0010;
constexpr std::uint32_t kProcessSetInformation = 0x0200;
constexpr std::uint32_t kProcessQueryInformation = 0x0400;
constexpr std::uint32_t kProcessQueryLimitedInformation = 0x1000;
constexpr std::uint32_t kProcessAllAccess = 0x1F0FFF;
constexpr std::uint32_t kIdlePriorityClass = 0x40;
constexpr std::uint32_t kNormalPriorityClass = 0x20;
constexpr std::uint32_t kHighPriorityClass = 0x80;
constexpr std::uint32_t kRealtimePriorityClass = 0x100;

// GetProcessTimes: 64-bit counts of 100-nanosecond units (FILETIME).
struct ProcessTimes {
  std::uint64_t creation = 0;
  std::uint64_t exit = 0;
  std::uint64_t kernel = 0;
  std::uint64_t user = 0;
};

class Processes : public KernelObjects {
 public:
  virtual Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t process_id) = 0;
  // 0 on failure (a null handle fails).
  virtual std::uint32_t GetPriorityClass(Handle process) = 0;
  // False on failure, `times` then untouched.
  virtual bool GetProcessTimes(Handle process, ProcessTimes& times) = 0;
  virtual bool TerminateProcess(Handle process, std::uint32_t exit_code) = 0;
  virtual bool SetPriorityClass(Handle process, std::uint32_t priority_class) = 0;
  // QueryFullProcessImageNameW (Win32 path form) through `fn`, an entry point of kernel32
  // resolved by name: the executable path of `process` into `buffer`, NUL-terminated; returns the
  // number of characters copied, 0 on failure or when `fn` is 0.
  virtual int QueryFullProcessImageNameW(ProcAddress fn, Handle process, char* buffer,
                                         int size) = 0;
};

}  // namespace platform
