#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/native_system_info.h"

namespace platform::win32 {

// The kernel handles this process holds, as the system's process snapshot counts them (under
// Wine 8 the size of its handle table, which grows with the handles in use); -1 when the
// snapshot cannot be taken.
long SystemHandleCount();

class Win32NativeSystemInfo : public platform::NativeSystemInfo {
 public:
  std::uint32_t QueryProcessorIdleTimes(ProcAddress fn, std::uint32_t records,
                                        std::vector<std::int64_t>& idle_times) override;
  std::uint32_t QueryProcessorCount(ProcAddress fn, std::uint32_t& processors) override;
  std::uint32_t QuerySystemProcesses(ProcAddress fn,
                                     std::vector<NativeProcess>& processes) override;

 private:
  // Kept from call to call: the snapshot of one tick is about the size of the last one.
  std::vector<std::uint64_t> process_buffer_;
  std::vector<std::uint64_t> processor_buffer_;
  std::wstring image_name_scratch_;
};

}  // namespace platform::win32
