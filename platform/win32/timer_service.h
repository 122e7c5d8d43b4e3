#pragma once
#include <map>

#include "platform/timer_service.h"

namespace platform::win32 {

// Thread timers of the user-interface thread (SetTimer without a window).
class Win32TimerService : public platform::TimerService {
 public:
  ~Win32TimerService() override;
  TimerId Start(std::uint32_t interval_ms, std::function<void()> tick) override;
  void Stop(TimerId id) override;
};

}  // namespace platform::win32
