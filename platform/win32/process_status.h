#pragma once
#include "platform/process_status.h"

namespace platform::win32 {

class Win32ProcessStatus : public platform::ProcessStatus {
 public:
  bool EnumProcesses(ProcAddress fn, std::uint32_t* buffer, std::uint32_t bytes,
                     std::uint32_t& bytes_returned) override;
  int GetModuleFileNameExW(ProcAddress fn, Handle process, Handle module, char* buffer,
                           int size) override;
};

}  // namespace platform::win32
