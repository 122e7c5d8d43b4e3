#pragma once
// Periodic timers of the user-interface thread (SetTimer/KillTimer on Windows).
#include <cstdint>
#include <functional>

namespace platform {

class TimerService {
 public:
  using TimerId = std::uintptr_t;
  virtual ~TimerService() = default;

  // Calls `tick` every `interval_ms` on the user-interface thread until Stop; 0 on failure.
  virtual TimerId Start(std::uint32_t interval_ms, std::function<void()> tick) = 0;
  virtual void Stop(TimerId id) = 0;
  // Runs the tick of running timer `id` at once, as if it had fired: a tick that fails is
  // handled as a fired one is. Nothing for an id that is not running.
  virtual void RunNow(TimerId id) = 0;
};

}  // namespace platform
