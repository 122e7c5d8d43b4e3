#include "ui/timer.h"

namespace ui {

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_)
    Start();
  else
    Stop();
}

void Timer::SetInterval(std::uint32_t interval_ms) {
  if (interval_ms == interval_) return;
  interval_ = interval_ms;
  if (enabled_) {
    Stop();
    Start();
  }
}

void Timer::TickNow() {
  if (id_ != 0) service_.RunNow(id_);
}

void Timer::Start() {
  if (interval_ == 0) return;
  id_ = service_.Start(interval_, [this] { Tick(); });
}

void Timer::Stop() {
  if (id_ != 0) service_.Stop(id_);
  id_ = 0;
}

void Timer::Tick() {
  // A modal message inside a handler runs the message loop, and the timer keeps firing there:
  // a tick that arrives while the previous one is still running is dropped.
  if (in_tick_ || !OnTimer) return;
  in_tick_ = true;
  // A handler that throws must not silence the timer for good.
  struct EndTick {
    bool& in_tick;
    ~EndTick() { in_tick = false; }
  } end{in_tick_};
  OnTimer();
}

}  // namespace ui
