#pragma once
// TMCPUUsage: a non-visual component that measures overall processor usage every Interval
// milliseconds and hands each figure, in percent, to its owner through OnInterval.
#include <cstdint>
#include <functional>

#include "platform/timer_service.h"
#include "snapshot/cpu_usage_module.h"
#include "ui/timer.h"

namespace snapshot {

class TMCPUUsage;

// (Sender, Value): the usage in percent. It lies in 0..100 when the timer keeps time; a late
// tick can give a figure below 0, which arrives as its 32-bit two's complement. The sampler
// reports what it measured and leaves clamping to whoever shows the figure, who knows what it
// can display (ui::UsageIndicatorPosition for the main window's indicator).
using TOnIntervalEvent = std::function<void(TMCPUUsage& sender, std::uint32_t value)>;

class TMCPUUsage {
 public:
  // Sets the module's method up. Throws std::runtime_error with "Unable to start performance
  // monitoring" or "Unable to read performance data" when the registry statistics are missing.
  // A native query that fails leaves the component unavailable: it never samples.
  TMCPUUsage(CpuUsageModule& module, platform::TimerService& timers);
  ~TMCPUUsage();
  TMCPUUsage(const TMCPUUsage&) = delete;
  TMCPUUsage& operator=(const TMCPUUsage&) = delete;

  bool Available() const { return available_; }

  bool Active() const { return timer_.Enabled(); }
  // Runs the timer only when `active` and the method was set up. The native method reports
  // nothing for the first sample after creation or activation: it has no earlier idle time to
  // compare with.
  void SetActive(bool active);
  std::uint32_t Interval() const { return timer_.Interval(); }
  void SetInterval(std::uint32_t interval_ms) { timer_.SetInterval(interval_ms); }

  TOnIntervalEvent OnInterval;

 private:
  void SetUpNative();
  void SetUpRegistry();
  void TearDown();
  // The sampling step, on each timer event.
  void Sample();
  bool SampleNative(std::uint32_t& value);
  bool SampleRegistry(std::uint32_t& value);
  // Sum of the idle times of the processors that enter the mean.
  std::int64_t IdleSum() const;

  CpuUsageModule& module_;
  ui::Timer timer_;
  std::int64_t previous_idle_ = 0;
  std::int64_t current_idle_ = 0;
  // False until an idle time has been read since creation or the last activation.
  bool have_idle_ = false;
  bool available_ = false;
};

// The figure of one native sample: 100 minus the share of one interval that the processors were
// idle on average, in percent, rounded half to even. `idle_sum_difference` is the growth of the
// summed idle times of `processors` processors, in 100-ns units. Not clamped.
std::uint32_t CpuUsageFromIdle(std::int64_t idle_sum_difference, std::uint32_t processors,
                               std::uint32_t interval_ms);

}  // namespace snapshot
