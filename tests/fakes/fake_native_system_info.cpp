#include "tests/fakes/fake_native_system_info.h"

#include <algorithm>

namespace fakes {

std::vector<std::uint32_t> FakeNativeSystemInfo::PerformanceQueryRecords() const {
  std::vector<std::uint32_t> records;
  for (const Query& q : queries)
    if (q.info_class == platform::kSystemProcessorPerformanceInformation)
      records.push_back(q.records);
  return records;
}

std::uint32_t FakeNativeSystemInfo::QueryProcessorIdleTimes(platform::ProcAddress fn,
                                                            std::uint32_t records,
                                                            std::vector<std::int64_t>& idle) {
  if (Fails("QueryProcessorIdleTimes")) return kStatusUnsuccessful;
  queries.push_back({fn, platform::kSystemProcessorPerformanceInformation, records});
  if (fn == 0 || fn != entry) return platform::kStatusProcedureNotFound;
  if (performance_status) return *performance_status;
  const auto processors = static_cast<std::uint32_t>(idle_times.size());
  if (records == 0 || (!fills_what_fits && records < processors))
    return platform::kStatusInfoLengthMismatch;
  idle.resize(records);
  std::copy_n(idle_times.begin(), std::min(records, processors), idle.begin());
  return platform::kStatusSuccess;
}

std::uint32_t FakeNativeSystemInfo::QueryProcessorCount(platform::ProcAddress fn,
                                                        std::uint32_t& processors) {
  if (Fails("QueryProcessorCount")) return kStatusUnsuccessful;
  queries.push_back({fn, platform::kSystemBasicInformation, 1});
  if (fn == 0 || fn != entry || !answers_basic_information)
    return platform::kStatusProcedureNotFound;
  processors = static_cast<std::uint32_t>(idle_times.size());
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
    processes.push_back(
        {p.id, p.times.creation, p.times.user, p.times.kernel, name, 0, p.parent_id, p.working_set});
  }
  return platform::kStatusSuccess;
}

}  // namespace fakes
