#pragma once
// The timer component: Enabled, Interval and OnTimer, created disabled.
#include <cstdint>
#include <functional>

#include "platform/timer_service.h"

namespace ui {

class Timer {
 public:
  static constexpr std::uint32_t kDefaultInterval = 1000;

  explicit Timer(platform::TimerService& service) : service_(service) {}
  ~Timer() { Stop(); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t interval_ms);
  // Runs the handler now, as a tick of the timer's own: dropped while a tick runs, and a
  // failure goes where the service takes a failing tick. Nothing while disabled.
  void TickNow();

  std::function<void()> OnTimer;

 private:
  void Start();
  void Stop();
  void Tick();

  platform::TimerService& service_;
  bool enabled_ = false;
  bool in_tick_ = false;
  std::uint32_t interval_ = kDefaultInterval;
  platform::TimerService::TimerId id_ = 0;
};

}  // namespace ui
