#include "platform/win32/timer_service.h"

#include <windows.h>

namespace platform::win32 {
namespace {

// Thread timers carry no context, so their ticks are found by id.
std::map<UINT_PTR, std::function<void()>>& Ticks() {
  static std::map<UINT_PTR, std::function<void()>> ticks;
  return ticks;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Ticks().find(id);
  if (it == Ticks().end()) return;
  std::function<void()> tick = it->second;  // the tick may stop its own timer
  tick();
}

}  // namespace

Win32TimerService::~Win32TimerService() {
  for (auto& [id, tick] : Ticks()) ::KillTimer(nullptr, id);
  Ticks().clear();
}

TimerService::TimerId Win32TimerService::Start(std::uint32_t interval_ms,
                                               std::function<void()> tick) {
  UINT_PTR id = ::SetTimer(nullptr, 0, interval_ms, OnTimer);
  if (id != 0) Ticks()[id] = std::move(tick);
  return id;
}

void Win32TimerService::Stop(TimerId id) {
  ::KillTimer(nullptr, id);
  Ticks().erase(id);
}

}  // namespace platform::win32
