#include "snapshot/psapi_binding.h"

#include "platform/system_library.h"
#include "snapshot/hex_text.h"
#include "snapshot/unload_error.h"

namespace snapshot {
namespace {

constexpr const char* kPsapi = "psapi.dll";

}  // namespace

PsapiBinding::PsapiBinding(platform::Modules& kernel, platform::ProcessStatus& status)
    : kernel_(kernel), status_(status) {}

bool PsapiBinding::Load() {
  module_ = kernel_.GetModuleHandleA(kPsapi);
  if (module_ == 0) {
    module_ = platform::LoadSystemLibrary(kernel_, kPsapi);
  }
  if (module_ != 0) {
    try {
      enum_processes_ = kernel_.GetProcAddress(module_, "EnumProcesses");
      get_module_file_name_ex_ = kernel_.GetProcAddress(module_, "GetModuleFileNameExW");
    } catch (...) {
      enum_processes_ = 0;
      get_module_file_name_ex_ = 0;
      const platform::Handle module = module_;
      module_ = 0;
      if (!kernel_.FreeLibrary(module)) throw UnloadError(UnloadErrorText(module));
    }
  }
  loaded_ = module_ != 0 && enum_processes_ != 0;
  return loaded_;
}

void PsapiBinding::Unload() {
  if (!loaded_) return;
  kernel_.FreeLibrary(module_);
  loaded_ = false;
  module_ = 0;
  enum_processes_ = 0;
  get_module_file_name_ex_ = 0;
}

bool PsapiBinding::EnumProcesses(std::uint32_t* buffer, std::uint32_t bytes,
                                 std::uint32_t& bytes_returned) {
  if (module_ == 0 || enum_processes_ == 0) return false;
  return status_.EnumProcesses(enum_processes_, buffer, bytes, bytes_returned);
}

int PsapiBinding::GetModuleFileNameExW(platform::Handle process, platform::Handle module,
                                       char* buffer, int size) {
  if (module_ == 0 || get_module_file_name_ex_ == 0) return 0;
  return status_.GetModuleFileNameExW(get_module_file_name_ex_, process, module, buffer, size);
}

std::string UnloadErrorText(platform::Handle module) {
  return std::string("Unload Error: ") + kPsapi + " (" +
         HexText8(static_cast<std::uint32_t>(module)) + ")";
}

}  // namespace snapshot
