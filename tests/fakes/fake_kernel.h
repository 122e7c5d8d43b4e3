#pragma once
// A scriptable kernel, every family of it: the test sets the system up as data, the fake answers
// from it and logs what was asked, and tracks every handle it handed out so a test can prove
// none leaked.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/kernel.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

struct FakeProcess {
  std::uint32_t id = 0;
  std::string path;  // main executable; empty means "cannot be read"
  std::uint32_t priority = 0x20;
  bool can_open = true;
  platform::ProcessTimes times{};
  bool times_readable = true;
  bool terminated = false;
  // Rights the process refuses to this program (a protected process, another user's).
  std::uint32_t refused_access = 0;
  // False for a process whose module path this program cannot read (a 64-bit one).
  bool module_path_readable = true;
  // Its name in the system's process snapshot; the file-name part of `path` when empty.
  std::string image_name = {};
  std::uint32_t parent_id = 0;
  std::uint64_t working_set = 0;
};

class FakeKernel : public platform::Kernel, public Failable {
 public:
  FakeKernel();

  // --- the scripted system ---
  bool version_ok = true;
  platform::OsVersionInfo version;  // NT 6.1 unless a test says otherwise
  std::uint16_t system_lang_id = 0x0409;
  std::set<std::string> mutexes;                                  // named mutexes that exist
  std::uint32_t mutex_open_error = platform::kErrorFileNotFound;  // error when absent
  std::set<std::string> files;                                    // paths that exist (exact)
  std::string executable_path = "C:\\Suite\\Process\\RvProcesess.exe";
  std::vector<std::string> arguments;
  std::string system_directory = "C:\\windows\\system32";
  std::map<std::string, platform::Handle> resident_modules;  // GetModuleHandleA, by lower name
  std::map<std::string, platform::Handle> loadable_modules;  // LoadLibrary(Ex)A, by lower name
  std::map<std::pair<platform::Handle, std::string>, platform::ProcAddress> exports;
  bool free_library_succeeds = true;
  std::vector<FakeProcess> processes;
  // False for a system before Vista: the limited query right is refused as denied.
  bool knows_limited_query_right = true;
  platform::Handle kernel32_module = 0;  // set to resolve QueryFullProcessImageNameW
  static constexpr platform::ProcAddress kQueryFullProcessImageNameW = 0x7C801000;

  // --- what was asked ---
  std::vector<std::string> calls;  // "OpenMutexA(Ravo Info running)", ...
  std::set<platform::Handle> open_handles;
  std::vector<platform::Handle> freed_modules;
  std::map<platform::Handle, int> loaded_modules;  // loads not yet freed, by module

  // The process a handle from OpenProcess stands for, or nullptr.
  const FakeProcess* ProcessOfHandle(platform::Handle handle) const;
  // The process of a handle opened with every right in `rights`, or nullptr.
  const FakeProcess* ProcessWithRights(platform::Handle handle, std::uint32_t rights) const;
  // The process of a handle that may query information (the full or the limited right).
  const FakeProcess* QueryableProcess(platform::Handle handle) const;
  // Makes kernel32 resident with QueryFullProcessImageNameW, as on Vista and later.
  void ExportImageNameQuery();
  // Puts the language library of `code` ("EN", "DE", ...) beside the program; one given a
  // module handle also loads, as that module.
  void InstallLanguageLibrary(const std::string& code, platform::Handle loads_as = 0);
  bool Called(const std::string& call_prefix) const;

  // platform::SystemVersion
  bool GetVersionExA(platform::OsVersionInfo& info) override;
  std::uint16_t GetSystemDefaultLangID() override;
  // platform::KernelObjects
  platform::Handle OpenMutexA(std::uint32_t access, bool inherit, const std::string& name) override;
  std::uint32_t GetLastError() override;
  bool CloseHandle(platform::Handle handle) override;
  // platform::ProgramEnvironment
  bool FileExists(const std::string& path) override;
  std::string GetModuleFileName() override;
  std::vector<std::string> CommandLineArguments() override;
  // platform::Modules
  std::string GetSystemDirectoryA() override;
  platform::Handle GetModuleHandleA(const std::string& name) override;
  platform::Handle LoadLibraryA(const std::string& name) override;
  platform::Handle LoadLibraryEx(const std::string& path, std::uint32_t flags) override;
  bool FreeLibrary(platform::Handle module) override;
  platform::ProcAddress GetProcAddress(platform::Handle module, const std::string& name) override;
  // platform::Processes
  platform::Handle OpenProcess(std::uint32_t access, bool inherit,
                               std::uint32_t process_id) override;
  std::uint32_t GetPriorityClass(platform::Handle process) override;
  bool GetProcessTimes(platform::Handle process, platform::ProcessTimes& times) override;
  bool TerminateProcess(platform::Handle process, std::uint32_t exit_code) override;
  bool SetPriorityClass(platform::Handle process, std::uint32_t priority_class) override;
  int QueryFullProcessImageNameW(platform::ProcAddress fn, platform::Handle process, char* buffer,
                                 int size) override;
  FakeProcess* Process(std::uint32_t id);

 private:
  platform::Handle NewHandle();

  std::uint32_t last_error_ = 0;
  platform::Handle next_handle_ = 0x1000;
  struct ProcessHandle {
    std::uint32_t id;
    std::uint32_t access;
  };
  std::map<platform::Handle, ProcessHandle> process_handles_;
};

}  // namespace fakes
