#pragma once
// The process status library, bound once at start-up (before the main window exists) and
// released at shutdown. Calls through it fail without calling anything while unbound.
#include <cstdint>
#include <string>

#include "platform/modules.h"
#include "platform/process_status.h"

namespace snapshot {

class PsapiBinding {
 public:
  PsapiBinding(platform::Modules& kernel, platform::ProcessStatus& status);
  PsapiBinding(const PsapiBinding&) = delete;
  PsapiBinding& operator=(const PsapiBinding&) = delete;

  // True when the library is bound and EnumProcesses resolved. Throws UnloadError when
  // resolving failed with an error and the library could not be released again.
  bool Load();
  // Releases the library when Load succeeded; a failure is not reported.
  void Unload();

  bool loaded() const { return loaded_; }
  platform::Handle module() const { return module_; }

  bool EnumProcesses(std::uint32_t* buffer, std::uint32_t bytes, std::uint32_t& bytes_returned);
  int GetModuleFileNameExW(platform::Handle process, platform::Handle module, char* buffer,
                           int size);

 private:
  platform::Modules& kernel_;
  platform::ProcessStatus& status_;
  platform::Handle module_ = 0;
  platform::ProcAddress enum_processes_ = 0;
  platform::ProcAddress get_module_file_name_ex_ = 0;
  bool loaded_ = false;
};

// "Unload Error: psapi.dll (" + module as 8 uppercase hex digits + ")".
std::string UnloadErrorText(platform::Handle module);

}  // namespace snapshot
