#include "tests/fakes/fake_kernel.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace fakes {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

FakeKernel::FakeKernel() {
  version.platform_id = platform::kVerPlatformWin32Nt;
  version.major = 6;
  version.minor = 1;
  version.build = 7601;
  version.csd_version = "Service Pack 1";
}

const FakeProcess* FakeKernel::ProcessOfHandle(platform::Handle handle) const {
  auto it = process_handles_.find(handle);
  if (it == process_handles_.end() || !open_handles.contains(handle)) return nullptr;
  for (const FakeProcess& p : processes)
    if (p.id == it->second.id) return &p;
  return nullptr;
}

const FakeProcess* FakeKernel::ProcessWithRights(platform::Handle handle,
                                                 std::uint32_t rights) const {
  auto it = process_handles_.find(handle);
  if (it == process_handles_.end() || (it->second.access & rights) != rights) return nullptr;
  return ProcessOfHandle(handle);
}

const FakeProcess* FakeKernel::QueryableProcess(platform::Handle handle) const {
  if (const FakeProcess* p = ProcessWithRights(handle, platform::kProcessQueryInformation))
    return p;
  return ProcessWithRights(handle, platform::kProcessQueryLimitedInformation);
}

void FakeKernel::ExportImageNameQuery() {
  kernel32_module = 0x7C800000;
  resident_modules["kernel32.dll"] = kernel32_module;
  exports[{kernel32_module, "QueryFullProcessImageNameW"}] = kQueryFullProcessImageNameW;
}

void FakeKernel::InstallLanguageLibrary(const std::string& code, platform::Handle loads_as) {
  const std::string path =
      executable_path.substr(0, executable_path.size() - std::string_view(".exe").size()) + code +
      ".dll";
  files.insert(path);
  if (loads_as == 0) return;
  std::string lower = path;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  loadable_modules[lower] = loads_as;
}

bool FakeKernel::Called(const std::string& call_prefix) const {
  return std::any_of(calls.begin(), calls.end(),
                     [&](const std::string& c) { return c.rfind(call_prefix, 0) == 0; });
}

bool FakeKernel::GetVersionExA(platform::OsVersionInfo& info) {
  if (Fails("GetVersionExA")) return false;
  calls.push_back("GetVersionExA");
  if (!version_ok) return false;
  info = version;
  return true;
}

std::uint16_t FakeKernel::GetSystemDefaultLangID() {
  calls.push_back("GetSystemDefaultLangID");
  return system_lang_id;
}

platform::Handle FakeKernel::OpenMutexA(std::uint32_t access, bool inherit,
                                        const std::string& name) {
  if (Fails("OpenMutexA")) return 0;
  calls.push_back("OpenMutexA(" + name + "," + std::to_string(access) + "," +
                  (inherit ? "true" : "false") + ")");
  if (!mutexes.contains(name)) {
    last_error_ = mutex_open_error;
    return 0;
  }
  return NewHandle();
}

std::uint32_t FakeKernel::GetLastError() {
  return LastError(last_error_);
}

bool FakeKernel::CloseHandle(platform::Handle handle) {
  calls.push_back("CloseHandle(" + std::to_string(handle) + ")");
  return open_handles.erase(handle) == 1;
}

bool FakeKernel::FileExists(const std::string& path) {
  if (Fails("FileExists")) return false;
  calls.push_back("FileExists(" + path + ")");
  return files.contains(path);
}

std::string FakeKernel::GetModuleFileName() {
  if (Fails("GetModuleFileName")) return {};
  return executable_path;
}

std::vector<std::string> FakeKernel::CommandLineArguments() {
  return arguments;
}

std::string FakeKernel::GetSystemDirectoryA() {
  if (Fails("GetSystemDirectoryA")) return {};
  return system_directory;
}

platform::Handle FakeKernel::GetModuleHandleA(const std::string& name) {
  if (Fails("GetModuleHandleA")) return 0;
  calls.push_back("GetModuleHandleA(" + name + ")");
  auto it = resident_modules.find(Lower(name));
  return it == resident_modules.end() ? 0 : it->second;
}

platform::Handle FakeKernel::LoadLibraryA(const std::string& name) {
  calls.push_back("LoadLibraryA(" + name + ")");
  auto it = loadable_modules.find(Lower(name));
  if (Fails("LoadLibraryA") || it == loadable_modules.end()) return 0;
  ++loaded_modules[it->second];
  return it->second;
}

platform::Handle FakeKernel::LoadLibraryEx(const std::string& path, std::uint32_t flags) {
  calls.push_back("LoadLibraryEx(" + path + "," + std::to_string(flags) + ")");
  auto it = loadable_modules.find(Lower(path));
  if (Fails("LoadLibraryEx") || it == loadable_modules.end()) return 0;
  ++loaded_modules[it->second];
  return it->second;
}

bool FakeKernel::FreeLibrary(platform::Handle module) {
  calls.push_back("FreeLibrary(" + std::to_string(module) + ")");
  freed_modules.push_back(module);
  if (--loaded_modules[module] == 0) loaded_modules.erase(module);
  return free_library_succeeds;
}

platform::ProcAddress FakeKernel::GetProcAddress(platform::Handle module, const std::string& name) {
  if (Fails("GetProcAddress")) return 0;
  calls.push_back("GetProcAddress(" + name + ")");
  auto it = exports.find({module, name});
  return it == exports.end() ? 0 : it->second;
}

platform::Handle FakeKernel::OpenProcess(std::uint32_t access, bool inherit,
                                         std::uint32_t process_id) {
  if (Fails("OpenProcess")) return 0;
  calls.push_back("OpenProcess(" + std::to_string(access) + "," + (inherit ? "true" : "false") +
                  "," + std::to_string(process_id) + ")");
  auto it = std::find_if(processes.begin(), processes.end(),
                         [&](const FakeProcess& p) { return p.id == process_id; });
  const bool unknown_right =
      !knows_limited_query_right && (access & platform::kProcessQueryLimitedInformation) != 0;
  if (it == processes.end() || !it->can_open || (access & it->refused_access) != 0 ||
      unknown_right) {
    last_error_ = platform::kErrorAccessDenied;
    return 0;
  }
  platform::Handle h = NewHandle();
  process_handles_[h] = {process_id, access};
  return h;
}

std::uint32_t FakeKernel::GetPriorityClass(platform::Handle process) {
  if (Fails("GetPriorityClass")) return 0;
  calls.push_back("GetPriorityClass(" + std::to_string(process) + ")");
  const FakeProcess* p = QueryableProcess(process);
  return p ? p->priority : 0;
}

bool FakeKernel::GetProcessTimes(platform::Handle process, platform::ProcessTimes& times) {
  if (Fails("GetProcessTimes")) return false;
  calls.push_back("GetProcessTimes(" + std::to_string(process) + ")");
  const FakeProcess* p = QueryableProcess(process);
  if (!p || !p->times_readable) return false;
  times = p->times;
  return true;
}

bool FakeKernel::TerminateProcess(platform::Handle process, std::uint32_t exit_code) {
  if (Fails("TerminateProcess")) return false;
  calls.push_back("TerminateProcess(" + std::to_string(process) + "," + std::to_string(exit_code) +
                  ")");
  const FakeProcess* p = ProcessWithRights(process, platform::kProcessTerminate);
  if (!p) return false;
  Process(p->id)->terminated = true;
  return true;
}

bool FakeKernel::SetPriorityClass(platform::Handle process, std::uint32_t priority_class) {
  if (Fails("SetPriorityClass")) return false;
  calls.push_back("SetPriorityClass(" + std::to_string(process) + "," +
                  std::to_string(priority_class) + ")");
  const FakeProcess* p = ProcessWithRights(process, platform::kProcessSetInformation);
  if (!p) return false;
  Process(p->id)->priority = priority_class;
  return true;
}

int FakeKernel::QueryFullProcessImageNameW(platform::ProcAddress fn, platform::Handle process,
                                           char* buffer, int size) {
  if (Fails("QueryFullProcessImageNameW")) return 0;
  calls.push_back("QueryFullProcessImageNameW(" + std::to_string(process) + ")");
  const FakeProcess* p = fn == kQueryFullProcessImageNameW ? QueryableProcess(process) : nullptr;
  if (!p || p->path.empty() || static_cast<int>(p->path.size()) >= size) return 0;
  std::copy(p->path.begin(), p->path.end(), buffer);
  buffer[p->path.size()] = '\0';
  return static_cast<int>(p->path.size());
}

FakeProcess* FakeKernel::Process(std::uint32_t id) {
  auto it = std::find_if(processes.begin(), processes.end(),
                         [&](const FakeProcess& p) { return p.id == id; });
  return it == processes.end() ? nullptr : &*it;
}

platform::Handle FakeKernel::NewHandle() {
  platform::Handle h = next_handle_;
  next_handle_ += 4;
  open_handles.insert(h);
  return h;
}

}  // namespace fakes
