#include "snapshot/cpu_usage.h"

#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

#include "platform/win32/kernel.h"
#include "platform/win32/native_system_info.h"
#include "platform/win32/registry.h"

namespace {

// A timer the test fires by hand, after sleeping one interval: no message loop needed.
class HandTimers : public platform::TimerService {
 public:
  TimerId Start(std::uint32_t, std::function<void()> tick) override {
    tick_ = std::move(tick);
    return 1;
  }
  void Stop(TimerId) override { tick_ = nullptr; }
  void RunNow(TimerId) override { Fire(); }
  void Fire() {
    if (tick_) tick_();
  }

 private:
  std::function<void()> tick_;
};

class Win32CpuUsage : public testing::Test {
 protected:
  Win32CpuUsage()
      : module_(kernel_, snapshot::Family::kNt, native_, registry_), usage_(module_, timers_) {
    usage_.OnInterval = [this](snapshot::TMCPUUsage&, std::uint32_t value) {
      values_.push_back(value);
    };
    usage_.SetActive(true);
  }

  // The figure of the interval from now to one interval later.
  std::uint32_t Measure() {
    timers_.Fire();
    values_.clear();
    ::Sleep(usage_.Interval());
    timers_.Fire();
    EXPECT_EQ(values_.size(), 1u);
    return values_.empty() ? 0 : values_.back();
  }

  platform::win32::Win32Kernel kernel_;
  platform::win32::Win32NativeSystemInfo native_;
  platform::win32::Win32Registry registry_;
  HandTimers timers_;
  snapshot::CpuUsageModule module_;
  snapshot::TMCPUUsage usage_;
  std::vector<std::uint32_t> values_;
};

std::atomic<bool> spinning{false};

DWORD WINAPI Spin(LPVOID) {
  volatile unsigned long n = 0;
  while (spinning.load(std::memory_order_relaxed)) n = n + 1;
  return 0;
}

TEST_F(Win32CpuUsage, BusyProcessorsRaiseTheFigure) {
  ASSERT_EQ(module_.Method(), snapshot::CpuUsageMethod::kNative);
  ASSERT_TRUE(usage_.Available());
  EXPECT_TRUE(usage_.Active());

  const std::uint32_t idle = Measure();
  EXPECT_LE(idle, 100u);

  // Plain system threads: the program's runtime has no std::thread (win32 thread model).
  spinning = true;
  SYSTEM_INFO system{};
  ::GetSystemInfo(&system);
  const DWORD cores = std::max<DWORD>(2, system.dwNumberOfProcessors);
  std::vector<HANDLE> spinners;
  for (DWORD i = 0; i < cores; ++i)
    spinners.push_back(::CreateThread(nullptr, 0, Spin, nullptr, 0, nullptr));
  ::Sleep(200);  // let the spinners reach every core
  const std::uint32_t busy = Measure();
  spinning = false;
  for (HANDLE t : spinners) {
    ::WaitForSingleObject(t, INFINITE);
    ::CloseHandle(t);
  }

  EXPECT_LE(busy, 100u);
  EXPECT_GE(busy, 85u) << "idle reading " << idle;
  // Other work on the machine can make the idle reading high already; only a clearly idle
  // reading can be clearly beaten.
  if (idle < 70) {
    EXPECT_GE(busy, idle + 20);
  }
}

}  // namespace
