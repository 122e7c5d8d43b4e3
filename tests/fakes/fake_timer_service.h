#pragma once
// Timers that fire only when the test says so.
#include <map>

#include "platform/timer_service.h"

namespace fakes {

class FakeTimerService : public platform::TimerService {
 public:
  struct Entry {
    std::uint32_t interval_ms;
    std::function<void()> tick;
  };
  std::map<TimerId, Entry> running;

  TimerId Start(std::uint32_t interval_ms, std::function<void()> tick) override {
    TimerId id = next_++;
    running[id] = {interval_ms, std::move(tick)};
    return id;
  }
  void Stop(TimerId id) override { running.erase(id); }
  void RunNow(TimerId id) override {
    if (running.contains(id))
      std::function<void()>(running[id].tick)();  // a copy: it may stop itself
  }

  // Fires every running timer once, in start order.
  void FireAll() {
    auto copy = running;
    for (auto& [id, e] : copy)
      if (running.contains(id)) e.tick();
  }

 private:
  TimerId next_ = 1;
};

}  // namespace fakes
