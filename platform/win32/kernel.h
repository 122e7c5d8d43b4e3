#pragma once
#include "platform/kernel.h"

namespace platform::win32 {

// Every family of the kernel in one: each is a handful of kernel32 calls.
class Win32Kernel : public platform::Kernel {
 public:
  // platform::SystemVersion
  bool GetVersionExA(OsVersionInfo& info) override;
  std::uint16_t GetSystemDefaultLangID() override;
  // platform::KernelObjects
  Handle OpenMutexA(std::uint32_t access, bool inherit, const std::string& name) override;
  std::uint32_t GetLastError() override;
  bool CloseHandle(Handle handle) override;
  // platform::ProgramEnvironment
  bool FileExists(const std::string& path) override;
  std::string GetModuleFileName() override;
  std::vector<std::string> CommandLineArguments() override;
  // platform::Modules, in modules.cpp with the layer's other run-time bindings.
  std::string GetSystemDirectoryA() override;
  Handle GetModuleHandleA(const std::string& name) override;
  Handle LoadLibraryA(const std::string& name) override;
  Handle LoadLibraryEx(const std::string& path, std::uint32_t flags) override;
  bool FreeLibrary(Handle module) override;
  ProcAddress GetProcAddress(Handle module, const std::string& name) override;
  // platform::Processes
  Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t process_id) override;
  std::uint32_t GetPriorityClass(Handle process) override;
  bool GetProcessTimes(Handle process, ProcessTimes& times) override;
  bool TerminateProcess(Handle process, std::uint32_t exit_code) override;
  bool SetPriorityClass(Handle process, std::uint32_t priority_class) override;
  int QueryFullProcessImageNameW(ProcAddress fn, Handle process, char* buffer, int size) override;
};

}  // namespace platform::win32
