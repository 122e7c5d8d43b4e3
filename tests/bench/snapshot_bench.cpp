// Cost of one NT refresh tick's snapshot (process ids, process list, application windows) on a
// fake platform, beside the cost of the same platform calls made with no logic around them.
#include <benchmark/benchmark.h>

#include <memory>

#include "snapshot/app_windows.h"
#include "snapshot/nt_process_list.h"
#include "snapshot/process_access.h"
#include "tests/bench/lean_platform.h"

namespace bench {

constexpr int kWindows = 200;

void NtTickLogic(benchmark::State& state) {
  Platform p(static_cast<int>(state.range(0)), kWindows);
  snapshot::PsapiBinding psapi(p.kernel, p.status);
  if (!psapi.Load()) state.SkipWithError("binding failed");
  snapshot::ProcessSnapshot result;
  snapshot::NtProcessList processes(p.kernel, p.ui, psapi, p.native, p.clock);
  snapshot::AppWindowList windows(p.ui, p.images, snapshot::Family::kNt);
  const long calls = p.calls;
  long ticks = 0;
  for (auto _ : state) {
    ++ticks;
    processes.CollectNtProcessIds();
    processes.BuildNtProcessList(result);
    windows.EnumerateAppWindows();
    benchmark::DoNotOptimize(result.processes().data());
    benchmark::DoNotOptimize(windows.windows().data());
  }
  state.counters["platform calls/tick"] = static_cast<double>(p.calls - calls) / ticks;
  state.counters["processes"] = static_cast<double>(result.processes().size());
  state.counters["windows"] = static_cast<double>(windows.windows().size());
}

// The same calls in the same order through the same interfaces, results thrown away.
void NtTickPlatformCallsOnly(benchmark::State& state) {
  Platform p(static_cast<int>(state.range(0)), kWindows);
  platform::Kernel& kernel = p.kernel;
  platform::ProcessStatus& status = p.status;
  platform::UserInterface& ui = p.ui;
  platform::ImageList& images = p.images;
  benchmark::DoNotOptimize(&kernel);
  benchmark::DoNotOptimize(&status);
  benchmark::DoNotOptimize(&ui);
  auto buffer = std::make_unique<std::uint32_t[]>(snapshot::kMaxPids);
  char path[snapshot::kPathBufferSize];
  char title[snapshot::kTitleBufferSize];
  long ticks = 0;
  for (auto _ : state) {
    ++ticks;
    std::uint32_t bytes = 0;
    status.EnumProcesses(0x2000, buffer.get(), snapshot::kPidBufferBytes, bytes);
    for (std::uint32_t i = 0; i < bytes / 4; ++i) {
      const platform::Handle h = kernel.OpenProcess(snapshot::kProcessOpenAccess, false, buffer[i]);
      if (h == 0) continue;
      if (status.GetModuleFileNameExW(0x3000, h, 0, path, sizeof path) > 0)
        benchmark::DoNotOptimize(kernel.GetPriorityClass(h));
      kernel.CloseHandle(h);
    }
    for (int i = images.Count() - 1; i >= snapshot::kFixedImageCount; --i) images.Delete(i);
    ui.EnumWindows([&](platform::WindowHandle w) {
      if (!ui.IsWindowVisible(w)) return true;
      const auto owner =
          static_cast<platform::WindowHandle>(ui.GetWindowLongA(w, platform::kGwlHwndParent));
      if (owner != 0 && owner != ui.GetDesktopWindow()) return true;
      const auto ex = static_cast<std::uint32_t>(ui.GetWindowLongA(w, platform::kGwlExStyle));
      if ((ex & platform::kWsExToolWindow) && !(ex & platform::kWsExAppWindow)) return true;
      if (ui.GetWindowText(w, title, sizeof title) < 1) return true;
      benchmark::DoNotOptimize(images.AddIcon(ui.GetClassLongA(w, platform::kGclHIcon)));
      return true;
    });
    benchmark::ClobberMemory();
  }
  state.counters["platform calls/tick"] = static_cast<double>(p.calls) / ticks;
}

BENCHMARK(NtTickLogic)->Arg(1000)->Arg(16383)->Unit(benchmark::kMicrosecond);
BENCHMARK(NtTickPlatformCallsOnly)->Arg(1000)->Arg(16383)->Unit(benchmark::kMicrosecond);

}  // namespace bench

BENCHMARK_MAIN();
