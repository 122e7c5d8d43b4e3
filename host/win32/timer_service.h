#pragma once
#include <map>

#include "host/win32/callback_guard.h"
#include "platform/timer_service.h"

namespace host::win32 {

// Thread timers of the user-interface thread (SetTimer without a window). A tick that fails is
// reported to `reporter` and the timer goes on.
class Win32TimerService : public platform::TimerService {
 public:
  explicit Win32TimerService(FailureReporter& reporter);
  ~Win32TimerService() override;
  TimerId Start(std::uint32_t interval_ms, std::function<void()> tick) override;
  void Stop(TimerId id) override;
  void RunNow(TimerId id) override;
};

}  // namespace host::win32
