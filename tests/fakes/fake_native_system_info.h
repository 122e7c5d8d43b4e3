#pragma once
// A scriptable native query: the test sets each processor's idle time before a sample, the
// fake answers from it and logs every query with the records it was asked for.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/native_system_info.h"
#include "tests/fakes/call_failer.h"
#include "tests/fakes/fake_kernel.h"

namespace fakes {

// What a failed query answers.
constexpr std::uint32_t kStatusUnsuccessful = 0xC0000001;

class FakeNativeSystemInfo : public platform::NativeSystemInfo, public Failable {
 public:
  struct Query {
    platform::ProcAddress fn;
    std::uint32_t info_class;
    std::uint32_t records;
  };

  // --- the scripted system ---
  platform::ProcAddress entry = 0x7700;        // the only entry point that answers
  std::vector<std::int64_t> idle_times = {0};  // one per processor, 100-ns units
  // Room for at least one record receives the records that fit, as on the real system; false
  // refuses room too small for all of them instead.
  bool fills_what_fits = true;
  // When set, every processor performance query answers this status and fills nothing.
  std::optional<std::uint32_t> performance_status;
  bool answers_basic_information = true;
  // The process snapshot lists this table's processes (those of a FakeKernel), when set.
  const std::vector<FakeProcess>* process_table = nullptr;

  // --- what was asked ---
  std::vector<Query> queries;

  // Records asked for by the processor performance queries, in order.
  std::vector<std::uint32_t> PerformanceQueryRecords() const;

  std::uint32_t QueryProcessorIdleTimes(platform::ProcAddress fn, std::uint32_t records,
                                        std::vector<std::int64_t>& idle) override;
  std::uint32_t QueryProcessorCount(platform::ProcAddress fn, std::uint32_t& processors) override;
  std::uint32_t QuerySystemProcesses(platform::ProcAddress fn,
                                     std::vector<platform::NativeProcess>& processes) override;
};

}  // namespace fakes
