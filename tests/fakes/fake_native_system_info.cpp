#include "tests/fakes/fake_native_system_info.h"

#include <algorithm>
#include <cstring>

namespace fakes {

std::vector<std::uint32_t> FakeNativeSystemInfo::PerformanceQuerySizes() const {
  std::vector<std::uint32_t> sizes;
  for (const Query& q : queries)
    if (q.info_class == platform::kSystemProcessorPerformanceInformation) sizes.push_back(q.size);
  return sizes;
}

std::uint32_t FakeNativeSystemInfo::ZwQuerySystemInformation(platform::ProcAddress fn,
                                                             std::uint32_t info_class, void* buffer,
                                                             std::uint32_t size) {
  if (Fails("ZwQuerySystemInformation")) return kStatusUnsuccessful;
  queries.push_back({fn, info_class, size});
  if (fn == 0 || fn != entry) return platform::kStatusProcedureNotFound;
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  const auto processors = static_cast<std::uint32_t>(idle_times.size());

  if (info_class == platform::kSystemBasicInformation) {
    if (!answers_basic_information) return platform::kStatusProcedureNotFound;
    if (size != platform::kSystemBasicInformationSize) return platform::kStatusInfoLengthMismatch;
    std::memset(bytes, 0, size);
    bytes[platform::kBasicInfoProcessorCountOffset] = static_cast<std::uint8_t>(processors);
    return platform::kStatusSuccess;
  }
  if (info_class != platform::kSystemProcessorPerformanceInformation)
    return platform::kStatusProcedureNotFound;
  if (performance_status) return *performance_status;

  constexpr std::uint32_t kRecord = platform::kProcessorPerformanceRecordSize;
  const std::uint32_t fit = size / kRecord;
  if (fit == 0 || (!fills_what_fits && fit < processors))
    return platform::kStatusInfoLengthMismatch;
  const std::uint32_t filled = std::min(fit, processors);
  std::memset(bytes, 0, filled * kRecord);
  for (std::uint32_t i = 0; i < filled; ++i) {
    const auto idle = static_cast<std::uint64_t>(idle_times[i]);
    for (int b = 0; b < 8; ++b) bytes[i * kRecord + b] = static_cast<std::uint8_t>(idle >> (8 * b));
    // Kernel and user time behind the idle time, so that a reader of the wrong bytes notices.
    bytes[i * kRecord + 8] = 0xAB;
    bytes[i * kRecord + 16] = 0xCD;
    bytes[i * kRecord + 44] = 0xEF;
  }
  return platform::kStatusSuccess;
}

std::uint32_t FakeNativeSystemInfo::QuerySystemProcesses(
    platform::ProcAddress fn, std::vector<platform::NativeProcess>& processes) {
  if (Fails("QuerySystemProcesses")) return kStatusUnsuccessful;
  queries.push_back({fn, platform::kSystemProcessInformation, 0});
  if (fn == 0 || fn != entry || process_table == nullptr) return platform::kStatusProcedureNotFound;
  processes.clear();
  for (const FakeProcess& p : *process_table) {
    if (p.terminated) continue;
    std::string name = p.image_name;
    if (name.empty()) name = p.path.substr(p.path.find_last_of("\\:") + 1);
    processes.push_back({p.id, p.times.creation, p.times.user, p.times.kernel, name});
  }
  return platform::kStatusSuccess;
}

}  // namespace fakes
