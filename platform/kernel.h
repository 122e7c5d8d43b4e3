#pragma once
// The kernel32 operations the module uses. Names and arguments follow the Windows calls; each
// implementation makes one call and turns its failure into a value, deciding nothing.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

constexpr std::uint32_t kVerPlatformWin32s = 0;
constexpr std::uint32_t kVerPlatformWin32Windows = 1;
constexpr std::uint32_t kVerPlatformWin32Nt = 2;

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorInvalidParameter = 87;
constexpr std::uint32_t kErrorInvalidName = 123;

constexpr std::uint32_t kMutexAllAccess = 0x1F0001;
constexpr std::uint32_t kLoadLibraryAsDatafile = 0x00000002;

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

// What GetVersionExA fills into an OSVERSIONINFOA (size 148).
struct OsVersionInfo {
  std::uint32_t platform_id = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::string csd_version;  // the service-pack string, up to 128 characters
};

class Kernel {
 public:
  virtual ~Kernel() = default;

  // False when the query fails; `info` is then untouched.
  virtual bool GetVersionExA(OsVersionInfo& info) = 0;
  virtual std::uint16_t GetSystemDefaultLangID() = 0;

  // A handle, or 0 with the reason left for GetLastError.
  virtual Handle OpenMutexA(std::uint32_t access, bool inherit, const std::string& name) = 0;
  virtual std::uint32_t GetLastError() = 0;
  virtual bool CloseHandle(Handle handle) = 0;

  virtual bool FileExists(const std::string& path) = 0;
  // Full path of the running executable.
  virtual std::string GetModuleFileNameA() = 0;
  // The command-line arguments after the program name, as the runtime splits them.
  virtual std::vector<std::string> CommandLineArguments() = 0;
  virtual std::string GetSystemDirectoryA() = 0;

  virtual Handle GetModuleHandleA(const std::string& name) = 0;
  virtual Handle LoadLibraryA(const std::string& name) = 0;
  virtual Handle LoadLibraryExA(const std::string& path, std::uint32_t flags) = 0;
  virtual bool FreeLibrary(Handle module) = 0;
  // 0 when the entry point does not exist.
  virtual ProcAddress GetProcAddress(Handle module, const std::string& name) = 0;

  virtual Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t process_id) = 0;
  // 0 on failure (a null handle fails).
  virtual std::uint32_t GetPriorityClass(Handle process) = 0;
  // False on failure, `times` then untouched.
  virtual bool GetProcessTimes(Handle process, ProcessTimes& times) = 0;
  virtual bool TerminateProcess(Handle process, std::uint32_t exit_code) = 0;
  virtual bool SetPriorityClass(Handle process, std::uint32_t priority_class) = 0;
  // QueryFullProcessImageNameA (Win32 path form) through `fn`, an entry point of kernel32
  // resolved by name: the executable path of `process` into `buffer`, NUL-terminated; returns the
  // number of characters copied, 0 on failure or when `fn` is 0.
  virtual int QueryFullProcessImageNameA(ProcAddress fn, Handle process, char* buffer,
                                         int size) = 0;
};

}  // namespace platform
