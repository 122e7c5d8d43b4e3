#include "tests/fakes/fake_process_status.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace fakes {

void FakeProcessStatus::Install(bool enum_processes, bool get_module_file_name) {
  std::string path = kernel_.system_directory + "\\psapi.dll";
  for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  kernel_.loadable_modules[path] = kPsapiModule;
  if (enum_processes) kernel_.exports[{kPsapiModule, "EnumProcesses"}] = kEnumProcesses;
  if (get_module_file_name)
    kernel_.exports[{kPsapiModule, "GetModuleFileNameExW"}] = kGetModuleFileNameExW;
}

bool FakeProcessStatus::EnumProcesses(platform::ProcAddress fn, std::uint32_t* buffer,
                                      std::uint32_t bytes, std::uint32_t& bytes_returned) {
  if (Fails("EnumProcesses")) return false;
  if (fn == 0) null_calls.push_back(fn);
  if (fn != kEnumProcesses) return false;
  ++enum_calls;
  kernel_.calls.push_back("EnumProcesses(" + std::to_string(bytes) + ")");
  if (enum_fails) return false;
  std::vector<std::uint32_t> ids;
  if (pids) {
    ids = *pids;
  } else {
    for (const FakeProcess& p : kernel_.processes) ids.push_back(p.id);
  }
  // As the system does: what does not fit is cut off.
  const std::size_t fit = std::min<std::size_t>(ids.size(), bytes / 4);
  std::copy_n(ids.begin(), fit, buffer);
  bytes_returned = bytes_override ? *bytes_override : static_cast<std::uint32_t>(fit * 4);
  return true;
}

int FakeProcessStatus::GetModuleFileNameExW(platform::ProcAddress fn, platform::Handle process,
                                            platform::Handle module, char* buffer, int size) {
  if (Fails("GetModuleFileNameExW")) return 0;
  if (fn == 0) null_calls.push_back(fn);
  if (fn != kGetModuleFileNameExW) return 0;
  ++module_file_name_calls;
  const FakeProcess* p = kernel_.ProcessWithRights(
      process, platform::kProcessQueryInformation | platform::kProcessVmRead);
  if (!p || !p->module_path_readable || module != 0 || p->path.empty() || size <= 0) return 0;
  // Like the system on a short buffer: copy what fits, NUL only when there is room.
  const int n = std::min<int>(static_cast<int>(p->path.size()), size);
  std::memcpy(buffer, p->path.data(), static_cast<std::size_t>(n));
  if (n < size) buffer[n] = '\0';
  return n;
}

}  // namespace fakes
