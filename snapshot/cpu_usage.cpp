#include "snapshot/cpu_usage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace snapshot {
namespace {

constexpr const char* kStartStatKey = "PerfStats\\StartStat";
constexpr const char* kStatDataKey = "PerfStats\\StatData";
constexpr const char* kStopStatKey = "PerfStats\\StopStat";
constexpr const char* kCpuUsageValue = "KERNEL\\CPUUsage";

long double RoundHalfToEven(long double x) {
  long double whole = std::floor(x);
  const long double fraction = x - whole;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0.0L)) whole += 1.0L;
  return whole;
}

}  // namespace

std::uint32_t CpuUsageFromIdle(std::int64_t idle_sum_difference, std::uint32_t processors,
                               std::uint32_t interval_ms) {
  const long double idle = static_cast<long double>(idle_sum_difference) / processors;
  const long double ratio = (10000000.0L - idle / (interval_ms / 1000.0L)) / 10000000.0L;
  const long double rounded = RoundHalfToEven(ratio * 100.0L);
  // The figure is a 32-bit number; one beyond its range (only a zero interval or a wildly late
  // tick gets there) saturates rather than wrapping into a plausible-looking percentage.
  constexpr std::int32_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kHigh = std::numeric_limits<std::int32_t>::max();
  std::int32_t figure = 0;
  if (std::isnan(rounded))
    figure = 0;
  else if (rounded <= kLow)
    figure = kLow;
  else if (rounded >= kHigh)
    figure = kHigh;
  else
    figure = static_cast<std::int32_t>(rounded);
  // A negative figure travels as its two's complement.
  return static_cast<std::uint32_t>(figure);
}

TMCPUUsage::TMCPUUsage(CpuUsageModule& module, platform::TimerService& timers)
    : module_(module), timer_(timers) {
  if (module_.method_ == CpuUsageMethod::kNative)
    SetUpNative();
  else
    SetUpRegistry();
  if (available_) timer_.OnTimer = [this] { Sample(); };
}

TMCPUUsage::~TMCPUUsage() {
  timer_.SetEnabled(false);
  timer_.OnTimer = nullptr;
  if (available_) TearDown();
}

void TMCPUUsage::SetActive(bool active) {
  const bool run = active && available_;
  // An idle time read before a pause says nothing about the interval after it.
  if (run && !timer_.Enabled()) have_idle_ = false;
  timer_.SetEnabled(run);
}

void TMCPUUsage::SetUpNative() {
  platform::NativeSystemInfo& native = module_.native_;
  const platform::ProcAddress fn = module_.query_entry_;
  auto query = [&](std::uint32_t records) {
    return native.QueryProcessorIdleTimes(fn, records, module_.idle_times_);
  };

  std::uint32_t records = 1;
  std::uint32_t status = query(records);
  // A 32-bit system has at most 32 processors; a query that keeps refusing far beyond that is
  // broken, and the component stays unavailable instead of growing the buffer for ever.
  constexpr std::uint32_t kMaxRetries = 256;
  for (std::uint32_t retries = 1;
       status == platform::kStatusInfoLengthMismatch && retries <= kMaxRetries; ++retries) {
    records = retries;
    status = query(records);
  }
  available_ = status == platform::kStatusSuccess;
  if (!available_) {
    module_.idle_times_.clear();
    return;
  }
  module_.records_ = records;
  module_.processors_ = records;

  // The query fills the records that fit and succeeds with one, so the loop alone would measure
  // processor 0 only: make room for the processor count the system reports.
  std::uint32_t processors = 0;
  if (native.QueryProcessorCount(fn, processors) != platform::kStatusSuccess || processors == 0)
    return;
  if (processors > module_.processors_) {
    if (query(processors) != platform::kStatusSuccess) return;
    module_.records_ = processors;
  }
  module_.processors_ = processors;
}

void TMCPUUsage::SetUpRegistry() {
  platform::Registry& registry = module_.registry_;
  if (!registry.OpenKey(platform::kHkeyDynData, kStartStatKey))
    throw std::runtime_error("Unable to start performance monitoring");
  // Querying the value is what starts the statistic; its type is of no interest.
  std::uint32_t type = 0;
  registry.QueryValueType(kCpuUsageValue, type);
  registry.CloseKey();
  if (!registry.OpenKey(platform::kHkeyDynData, kStatDataKey))
    throw std::runtime_error("Unable to read performance data");
  available_ = registry.CurrentPath() == kStatDataKey;
}

void TMCPUUsage::TearDown() {
  if (module_.method_ == CpuUsageMethod::kNative) {
    module_.idle_times_.clear();
    module_.idle_times_.shrink_to_fit();
    module_.records_ = 0;
    module_.processors_ = 0;
    return;
  }
  platform::Registry& registry = module_.registry_;
  registry.CloseKey();
  if (registry.OpenKey(platform::kHkeyDynData, kStopStatKey)) {
    std::uint32_t type = 0;
    registry.QueryValueType(kCpuUsageValue, type);  // stops the statistic
    registry.CloseKey();
  }
}

void TMCPUUsage::Sample() {
  std::uint32_t value = 0;
  const bool have_value =
      module_.method_ == CpuUsageMethod::kNative ? SampleNative(value) : SampleRegistry(value);
  if (have_value && OnInterval) OnInterval(*this, value);
}

bool TMCPUUsage::SampleNative(std::uint32_t& value) {
  previous_idle_ = current_idle_;
  // A failing query leaves the idle times as they were: that sample shows no idle time at all.
  module_.native_.QueryProcessorIdleTimes(module_.query_entry_, module_.records_,
                                          module_.idle_times_);
  current_idle_ = IdleSum();
  // Without an earlier idle time the difference would be the idle time since boot.
  const bool first = !have_idle_;
  have_idle_ = true;
  if (first) return false;
  const std::uint32_t processors = module_.processors_;
  if (processors == 0 || Interval() == 0) return false;
  const auto difference = static_cast<std::int64_t>(static_cast<std::uint64_t>(current_idle_) -
                                                    static_cast<std::uint64_t>(previous_idle_));
  value = CpuUsageFromIdle(difference, processors, Interval());
  return true;
}

bool TMCPUUsage::SampleRegistry(std::uint32_t& value) {
  std::uint8_t bytes[4] = {};
  // Nothing to report when the statistic cannot be read this time.
  if (module_.registry_.ReadBinaryValue(kCpuUsageValue, bytes, sizeof bytes) != 4) return false;
  value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
          (static_cast<std::uint32_t>(bytes[2]) << 16) |
          (static_cast<std::uint32_t>(bytes[3]) << 24);
  return true;
}

std::int64_t TMCPUUsage::IdleSum() const {
  std::uint64_t sum = 0;  // unsigned: wraps instead of overflowing; differences stay right
  const std::size_t processors = std::min<std::size_t>(module_.processors_, module_.idle_times_.size());
  for (std::size_t p = 0; p < processors; ++p)
    sum += static_cast<std::uint64_t>(module_.idle_times_[p]);
  return static_cast<std::int64_t>(sum);
}

}  // namespace snapshot
