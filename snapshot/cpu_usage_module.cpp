#include "snapshot/cpu_usage_module.h"

#include "snapshot/system_query_entry.h"

namespace snapshot {

CpuUsageModule::CpuUsageModule(platform::Modules& kernel, Family family,
                               platform::NativeSystemInfo& native, platform::Registry& registry)
    : native_(native), registry_(registry) {
  // Every NT-family version has the native query; the registry statistics exist only on the
  // 9x family, so a version check by major number would leave newer NT systems without any.
  if (family == Family::kNt) {
    method_ = CpuUsageMethod::kNative;
    query_entry_ = SystemQueryEntry(kernel);
  }
}

}  // namespace snapshot
