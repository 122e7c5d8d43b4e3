// Cost of one whole NT refresh tick on a lean fake platform: the snapshot, then both lists
// brought in step, with the detail list showing the processes and one of them expanded. Beside
// the time, the platform calls a tick makes, and the list edits and repaints and the rows they
// cover: a tick in which nothing changed must make none, one in which the open process only ran
// its two time lines.
#include <benchmark/benchmark.h>

#include "app/refresh.h"
#include "browser/process_browser.h"
#include "snapshot/app_windows.h"
#include "snapshot/nt_process_list.h"
#include "tests/bench/lean_platform.h"
#include "tests/fakes/fake_view.h"
#include "tests/fakes/vector_rows.h"

namespace bench {
namespace {

// Rows that count what is changed in them.
struct CountingRows : fakes::VectorRows {
  long edits = 0;
  void Insert(int index, const std::string& text, int tag, int height) override {
    ++edits;
    VectorRows::Insert(index, text, tag, height);
  }
  void Delete(int index) override {
    ++edits;
    VectorRows::Delete(index);
  }
  void SetText(int index, const std::string& text) override {
    ++edits;
    VectorRows::SetText(index, text);
  }
};

struct NoShell : platform::Shell {
  std::intptr_t ShellExecute(platform::WindowHandle, const std::string&, const std::string&,
                             const std::string&, const std::string&, int) override {
    return 42;
  }
  bool ShellExecuteEx(platform::WindowHandle, std::uint32_t, const std::string&, const std::string&,
                      int) override {
    return true;
  }
};

struct Viewer : Platform {
  Viewer(int processes, int windows) : Platform(processes, windows) {
    left.Sections().Add().SetCaption("priority text 100");
    left.Sections().Add().SetCaption("priority text 101");
    for (auto* list : {&left, &detail}) list->SetBounds(platform::RectOfSize(0, 0, 345, 329));
    left.AttachView(&left_view);
    left.AttachRows(&left_rows);
    detail.AttachView(&detail_view);
    detail.AttachRows(&detail_rows);
    psapi.Load();
    Tick();
    left.Sections().Item(1).SetState(controls::lssExpanded);
    // The processes, one of them open.
    browser.SectionListBox1SubItemClick(1, kOpenProcess, {snapshot, this->windows});
  }
  void Tick() { refresh.Tick(); }
  long Edits() const { return left_rows.edits + detail_rows.edits; }
  long Repaints() const {
    return left_view.invalidations + detail_view.invalidations +
           static_cast<long>(left_view.invalidated_rects.size() +
                             detail_view.invalidated_rects.size());
  }
  // Rows repainted: one per row rectangle, every row in sight for a whole list.
  long RowsRepainted() const {
    auto rows = [](const fakes::FakeView& view, const CountingRows& list) {
      long in_sight = 0;
      while (list.RowRect(list.top + in_sight).top < kListHeight &&
             list.top + in_sight < list.Count())
        ++in_sight;
      return view.invalidations * in_sight + static_cast<long>(view.invalidated_rects.size());
    };
    return rows(left_view, left_rows) + rows(detail_view, detail_rows);
  }

  static constexpr int kOpenProcess = 4;
  static constexpr int kListHeight = 329;
  NoShell shell;
  snapshot::PsapiBinding psapi{kernel, status};
  snapshot::ProcessSnapshot snapshot;
  snapshot::NtProcessList processes{kernel, ui, psapi, native, clock};
  snapshot::AppWindowList windows{ui, images, snapshot::Family::kNt};
  fakes::FakeView left_view, detail_view;
  CountingRows left_rows, detail_rows;
  controls::TSectionListBox left{"SectionListBox1", nullptr};
  controls::TSectionListBox detail{"SectionListBox2", nullptr};
  browser::ProcessBrowser browser{left, detail, texts, {kernel, ui, shell, clock}};
  app::Refresh refresh{snapshot::Family::kNt,
                       {processes, snapshot, windows, browser, left, detail, kernel, images}};
};

// state.range(0) processes; state.range(1) 0 for a quiet system, 1 for one process that
// changes its program at every tick, 2 for the expanded process using the processor.
void RefreshTick(benchmark::State& state) {
  Viewer v(static_cast<int>(state.range(0)), 200);
  const std::string paths[] = {"C:\\bin\\one.exe", "C:\\bin\\other.exe"};
  // The process the expanded section shows (process ids are 8, 12, 16, ...).
  const std::uint32_t open_id = v.snapshot.processes()[Viewer::kOpenProcess].id;
  platform::ProcessTimes& busy = v.system.processes[(open_id - 8) / 4].times;
  long ticks = 0;
  const long calls = v.calls;
  const long edits = v.Edits();
  const long repaints = v.Repaints();
  const long rows = v.RowsRepainted();
  for (auto _ : state) {
    if (state.range(1) == 1) {
      v.system.processes[10].path = paths[ticks % 2];
      ++v.system.processes[10].times.creation;
    }
    if (state.range(1) == 2) {
      busy.user += 6'000'000;  // 0.6 s of a 1 s tick
      busy.kernel += 2'000'000;
    }
    v.Tick();
    ++ticks;
  }
  state.counters["platform calls/tick"] = static_cast<double>(v.calls - calls) / ticks;
  state.counters["edits/tick"] = static_cast<double>(v.Edits() - edits) / ticks;
  state.counters["repaints/tick"] = static_cast<double>(v.Repaints() - repaints) / ticks;
  state.counters["rows repainted/tick"] = static_cast<double>(v.RowsRepainted() - rows) / ticks;
}

BENCHMARK(RefreshTick)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({1000, 2})
    ->Args({16383, 0})
    ->Args({16383, 1})
    ->Args({16383, 2})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench
