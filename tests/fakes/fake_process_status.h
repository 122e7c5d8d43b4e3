#pragma once
// psapi over FakeKernel's process table: EnumProcesses lists the table's ids (or a scripted id
// list), GetModuleFileNameExW reads the path of the process a handle stands for. Calls made with
// an entry point other than the one installed fail, so a test sees a wrong binding.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/process_status.h"
#include "tests/fakes/call_failer.h"
#include "tests/fakes/fake_kernel.h"

namespace fakes {

class FakeProcessStatus : public platform::ProcessStatus, public Failable {
 public:
  static constexpr platform::Handle kPsapiModule = 0x76B00000;
  static constexpr platform::ProcAddress kEnumProcesses = 0x76B01000;
  static constexpr platform::ProcAddress kGetModuleFileNameExW = 0x76B02000;

  explicit FakeProcessStatus(FakeKernel& kernel) : kernel_(kernel) {}

  // Makes psapi.dll loadable from the kernel's system directory with the chosen exports.
  void Install(bool enum_processes = true, bool get_module_file_name = true);

  // --- the scripted system ---
  bool enum_fails = false;
  std::optional<std::vector<std::uint32_t>> pids;  // ids to report instead of the table's
  std::optional<std::uint32_t> bytes_override;     // byte count to report instead of ids * 4

  // --- what was asked ---
  int enum_calls = 0;
  int module_file_name_calls = 0;
  std::vector<platform::ProcAddress> null_calls;  // calls that arrived with entry point 0

  bool EnumProcesses(platform::ProcAddress fn, std::uint32_t* buffer, std::uint32_t bytes,
                     std::uint32_t& bytes_returned) override;
  int GetModuleFileNameExW(platform::ProcAddress fn, platform::Handle process,
                           platform::Handle module, char* buffer, int size) override;

 private:
  FakeKernel& kernel_;
};

}  // namespace fakes
