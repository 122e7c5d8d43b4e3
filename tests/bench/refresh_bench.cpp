// Cost of one whole NT refresh tick on a lean fake platform: the snapshot, then both lists
// brought in step, with the detail list showing the processes and one of them expanded. Beside
// the time, the list edits and repaints a tick makes: a tick in which nothing changed must make
// none.
#include <benchmark/benchmark.h>

#include "browser/process_browser.h"
#include "browser/update_batch.h"
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
  std::intptr_t ShellExecuteA(platform::WindowHandle, const std::string&, const std::string&,
                              const std::string&, const std::string&, int) override {
    return 42;
  }
  bool ShellExecuteExA(platform::WindowHandle, std::uint32_t, const std::string&,
                       const std::string&, int) override {
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
    browser.SectionListBox1SubItemClick(1, 3);  // the processes, one of them open
  }
  void Tick() {
    processes.CollectNtProcessIds();
    processes.BuildNtProcessList();
    windows.EnumerateAppWindows();
    browser::UpdateBatch left_batch(left);
    browser::UpdateBatch detail_batch(detail);
    browser.SyncApplicationsSection();
    browser.SyncProcessesSection();
  }
  long Edits() const { return left_rows.edits + detail_rows.edits; }
  long Repaints() const {
    return left_view.invalidations + detail_view.invalidations +
           static_cast<long>(left_view.invalidated_rects.size() +
                             detail_view.invalidated_rects.size());
  }

  NoShell shell;
  snapshot::PsapiBinding psapi{kernel, status};
  snapshot::ProcessSnapshot snapshot;
  snapshot::NtProcessList processes{kernel, ui, psapi, native, snapshot};
  snapshot::AppWindowList windows{ui, images, snapshot::Family::kNt};
  fakes::FakeView left_view, detail_view;
  CountingRows left_rows, detail_rows;
  controls::TSectionListBox left{"SectionListBox1", nullptr};
  controls::TSectionListBox detail{"SectionListBox2", nullptr};
  browser::ProcessBrowser browser{left, detail, snapshot, windows, texts, {kernel, ui, shell}};
};

// state.range(0) processes; state.range(1) 0 for a quiet system, 1 for one process that
// changes its program at every tick.
void RefreshTick(benchmark::State& state) {
  Viewer v(static_cast<int>(state.range(0)), 200);
  const bool changing = state.range(1) != 0;
  const std::string paths[] = {"C:\\bin\\one.exe", "C:\\bin\\other.exe"};
  long ticks = 0;
  const long edits = v.Edits();
  const long repaints = v.Repaints();
  for (auto _ : state) {
    if (changing) {
      v.system.processes[10].path = paths[ticks % 2];
      ++v.system.processes[10].creation;
    }
    v.Tick();
    ++ticks;
  }
  state.counters["edits/tick"] = static_cast<double>(v.Edits() - edits) / ticks;
  state.counters["repaints/tick"] = static_cast<double>(v.Repaints() - repaints) / ticks;
}

BENCHMARK(RefreshTick)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({16383, 0})
    ->Args({16383, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench
