#pragma once
#include "platform/kernel.h"

namespace platform::win32 {

class Win32Kernel : public platform::Kernel {
 public:
  bool GetVersionExA(OsVersionInfo& info) override;
  std::uint16_t GetSystemDefaultLangID() override;
  Handle OpenMutexA(std::uint32_t access, bool inherit, const std::string& name) override;
  std::uint32_t GetLastError() override;
  bool CloseHandle(Handle handle) override;
  bool FileExists(const std::string& path) override;
  std::string GetModuleFileNameA() override;
  std::vector<std::string> CommandLineArguments() override;
  std::string GetSystemDirectoryA() override;
  // The module operations live in modules.cpp, with the layer's other run-time bindings.
  Handle GetModuleHandleA(const std::string& name) override;
  Handle LoadLibraryA(const std::string& name) override;
  Handle LoadLibraryExA(const std::string& path, std::uint32_t flags) override;
  bool FreeLibrary(Handle module) override;
  ProcAddress GetProcAddress(Handle module, const std::string& name) override;
  Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t process_id) override;
  std::uint32_t GetPriorityClass(Handle process) override;
  bool GetProcessTimes(Handle process, ProcessTimes& times) override;
  bool TerminateProcess(Handle process, std::uint32_t exit_code) override;
  bool SetPriorityClass(Handle process, std::uint32_t priority_class) override;
  int QueryFullProcessImageNameA(ProcAddress fn, Handle process, char* buffer, int size) override;
};

}  // namespace platform::win32
