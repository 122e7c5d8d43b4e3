#include "host/win32/timer_service.h"

#include "platform/win32/system_headers.h"

namespace host::win32 {
namespace {

// Thread timers carry no context, so their ticks, and where a failure goes, are found by id.
std::map<UINT_PTR, std::function<void()>>& Ticks() {
  static std::map<UINT_PTR, std::function<void()>> ticks;
  return ticks;
}
FailureReporter* reporter_of_ticks = nullptr;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  Guarded(reporter_of_ticks, [id] {
    auto it = Ticks().find(id);
    if (it == Ticks().end()) return;
    std::function<void()> tick = it->second;  // the tick may stop its own timer
    tick();
  });
}

}  // namespace

Win32TimerService::Win32TimerService(FailureReporter& reporter) {
  reporter_of_ticks = &reporter;
}

Win32TimerService::~Win32TimerService() {
  reporter_of_ticks = nullptr;
  for (auto& [id, tick] : Ticks()) ::KillTimer(nullptr, id);
  Ticks().clear();
}

platform::TimerService::TimerId Win32TimerService::Start(std::uint32_t interval_ms,
                                                         std::function<void()> tick) {
  UINT_PTR id = ::SetTimer(nullptr, 0, interval_ms, OnTimer);
  if (id != 0) Ticks()[id] = std::move(tick);
  return id;
}

void Win32TimerService::Stop(TimerId id) {
  ::KillTimer(nullptr, id);
  Ticks().erase(id);
}

void Win32TimerService::RunNow(TimerId id) {
  OnTimer(nullptr, WM_TIMER, id, 0);
}

}  // namespace host::win32
