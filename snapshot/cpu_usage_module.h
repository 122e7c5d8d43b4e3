#pragma once
// The process-wide state of the processor-usage sampler: the measuring method, chosen once
// by the family start-up decided, the resolved query entry point, the query buffer and the registry
// statistics. The main window creates one before its sampler and keeps it for the whole run;
// it must outlive every TMCPUUsage made on it.
#include <cstdint>
#include <vector>

#include "platform/modules.h"
#include "platform/native_system_info.h"
#include "platform/registry.h"
#include "snapshot/family.h"

namespace snapshot {

enum class CpuUsageMethod {
  kNative,    // kernel processor performance information (NT family)
  kRegistry,  // dynamic performance statistics (9x family)
};

class CpuUsageModule {
 public:
  // Chooses the method by family and, for the native one, resolves ZwQuerySystemInformation of
  // NTDLL.
  CpuUsageModule(platform::Modules& kernel, Family family, platform::NativeSystemInfo& native,
                 platform::Registry& registry);
  CpuUsageModule(const CpuUsageModule&) = delete;
  CpuUsageModule& operator=(const CpuUsageModule&) = delete;

  CpuUsageMethod Method() const { return method_; }
  platform::ProcAddress QueryEntry() const { return query_entry_; }

 private:
  friend class TMCPUUsage;

  platform::NativeSystemInfo& native_;
  platform::Registry& registry_;
  CpuUsageMethod method_ = CpuUsageMethod::kRegistry;
  platform::ProcAddress query_entry_ = 0;
  // Native method: the records asked for, sized once when a sampler is set up, and the idle time
  // of each as the last query read it.
  std::uint32_t records_ = 0;
  std::vector<std::int64_t> idle_times_;
  std::uint32_t processors_ = 0;  // records that enter the mean
};

}  // namespace snapshot
