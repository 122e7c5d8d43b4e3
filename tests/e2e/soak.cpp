// The suite left running for MINUTES (30 by default) while rv_churn.exe starts and ends
// processes and opens, retitles and closes windows. The processes section is open in both lists
// with the module's own detail section expanded; once a minute the report window, the language
// dialog and the About dialog are opened and closed, and the module is sampled: its memory, its
// kernel handle count as the system's process snapshot gives it, and the GDI objects and DCs its
// win32 layer holds (asked of its main window, see kLiveHandlesMessage).
//   rv_soak.exe [MINUTES]
// Prints a row per minute. Exits with 1 on a crash, a hang, a message box, or growth past the
// bounds below of any figure from the baseline minute (the fifth, or the first of a short run)
// to any later one.
#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "tests/e2e/driver.h"

namespace {

using platform::win32::HandleKind;

constexpr long kPrivateGrowthKib = 2048;
constexpr long kWorkingSetGrowthKib = 4096;
constexpr long kHandleGrowth = 64;
constexpr long kGdiGrowth = 16;
constexpr int kBaselineMinute = 5;
constexpr UINT kAnswerMs = 10000;  // a main window slower than this is taken as hung

struct Sample {
  int minute = 0;
  long working_set_kib = -1;
  long private_kib = -1;
  long handles = -1;     // from the system's process snapshot
  long gdi = -1;         // GDI objects and DCs the module holds
  long own_kernel = -1;  // kernel, file and module handles its win32 layer holds
  long slowest_answer_ms = 0;
  int rows = 0;  // in both lists
};

std::string Directory(const std::string& path) {
  return path.substr(0, path.find_last_of('\\') + 1);
}

std::vector<HWND> Lists(HWND main) {
  std::vector<HWND> lists;
  for (HWND child : e2e::ChildWindows(main))
    if (_stricmp(e2e::ClassName(child).c_str(), "ListBox") == 0 && ::IsWindowVisible(child))
      lists.push_back(child);
  std::sort(lists.begin(), lists.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    ::GetWindowRect(a, &ra);
    ::GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return lists;
}

int RowCount(HWND list) {
  return static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
}

// The handle count of `process` in the system's process snapshot (GetProcessHandleCount
// answers 0 under Wine; there this is the size of the handle table, which doubles as it fills).
long SystemHandleCount(DWORD process) {
  using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return -1;
  std::vector<unsigned char> buffer(1 << 16);
  ULONG needed = 0;
  LONG status;
  while ((status = query(5, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
         static_cast<LONG>(0xC0000004))
    buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed));
  if (status != 0) return -1;
  for (std::size_t offset = 0;;) {
    const auto* record = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(&buffer[offset]);
    if (reinterpret_cast<ULONG_PTR>(record->UniqueProcessId) == process)
      return static_cast<long>(record->HandleCount);
    if (record->NextEntryOffset == 0) return -1;
    offset += record->NextEntryOffset;
  }
}

class Soak {
 public:
  int Run(int minutes);

 private:
  bool Fail(const std::string& why) {
    if (failure_.empty()) failure_ = why;
    return false;
  }
  bool Start();
  bool OpenLists();
  bool Check();
  bool OpenAndClose(const char* button, const char* window_class);
  Sample Take(int minute);
  bool WithinBounds(const std::vector<Sample>& samples);

  std::unique_ptr<e2e::Program> base_, churn_;
  HWND main_ = nullptr;
  DWORD module_ = 0;
  HANDLE process_ = nullptr;
  long slowest_answer_ms_ = 0;
  std::string failure_;
};

bool Soak::Start() {
  const std::string suite = e2e::CopySuite("soak", true);
  ::WritePrivateProfileStringA("Options", "Language", "EN",
                               (suite + "Process\\RvProcesess.ini").c_str());
  base_ = std::make_unique<e2e::Program>(suite + "RvInfo.exe", "", suite);
  main_ = e2e::WaitForWindow("TProcesessFrm", 0, e2e::milliseconds(30000));
  if (!main_) return Fail("the module's window did not open");
  ::GetWindowThreadProcessId(main_, &module_);
  process_ =
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE | SYNCHRONIZE,
                    FALSE, module_);
  if (!process_) return Fail("the module's process cannot be opened");
  return OpenLists();
}

// The processes section opened in the left list, which shows it in the detail list too, and
// the module's own detail section expanded there: its time lines change every tick.
bool Soak::OpenLists() {
  std::vector<HWND> lists;
  if (!e2e::WaitFor([&] { return (lists = Lists(main_)).size() == 2; }, 30000))
    return Fail("the module's two lists did not show");
  const HWND left = lists[0], detail = lists[1];
  const int header = e2e::ListRowWhere(
      left, [](const std::string& row) { return row.rfind("Processes", 0) == 0; });
  if (header < 0) return Fail("no processes header");
  e2e::ClickListRow(left, header, 120);
  auto own_row = [](HWND list) {
    return e2e::ListRowWhere(list, [](const std::string& r) { return r == "RvProcesess.exe"; });
  };
  int row = -1;
  if (!e2e::WaitFor([&] { return (row = own_row(left)) >= 0; }, 30000))
    return Fail("the module is not listed");
  e2e::ClickListRow(left, row, 120);
  if (!e2e::WaitFor(
          [&] {
            const int at = own_row(detail);
            return at >= 0 && RowCount(detail) > at + 1;
          },
          30000))
    return Fail("the module's detail section did not open");
  return true;
}

// The module runs, answers its window's messages in time and shows no message box.
bool Soak::Check() {
  if (::WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
    DWORD code = 0;
    ::GetExitCodeProcess(process_, &code);
    return Fail("the module ended, exit code " + std::to_string(code));
  }
  const DWORD before = ::GetTickCount();
  DWORD_PTR answer = 0;
  if (!::SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &answer))
    return Fail("the main window did not answer within " + std::to_string(kAnswerMs) + " ms");
  slowest_answer_ms_ = std::max(slowest_answer_ms_, static_cast<long>(::GetTickCount() - before));
  for (HWND box : e2e::TopLevelWindows("#32770", module_))
    if (::IsWindowVisible(box)) return Fail("a message box:" + e2e::OpenMessageBoxes());
  return true;
}

bool Soak::OpenAndClose(const char* button, const char* window_class) {
  HWND b = e2e::ChildWithText(main_, button);
  if (!b) return Fail(std::string("no button ") + button);
  e2e::Click(b, 10, 8);
  HWND window = e2e::WaitForWindow(window_class, module_, e2e::milliseconds(15000));
  if (!window) return Fail(std::string(window_class) + " did not open");
  ::Sleep(500);
  ::PostMessageA(window, WM_CLOSE, 0, 0);
  if (!e2e::WaitFor([&] { return !::IsWindow(window); }, 15000))
    return Fail(std::string(window_class) + " did not close");
  return Check();
}

Sample Soak::Take(int minute) {
  Sample s;
  s.minute = minute;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(process_, &memory, sizeof memory)) {
    s.working_set_kib = static_cast<long>(memory.WorkingSetSize / 1024);
    s.private_kib = static_cast<long>(memory.PagefileUsage / 1024);
  }
  s.handles = SystemHandleCount(module_);
  const UINT message = ::RegisterWindowMessageA(platform::win32::kLiveHandlesMessage);
  auto live = [&](HandleKind kind) {
    DWORD_PTR count = 0;
    ::SendMessageTimeoutA(main_, message, static_cast<WPARAM>(kind), 0, SMTO_ABORTIFHUNG, kAnswerMs,
                          &count);
    return static_cast<long>(count);
  };
  s.gdi = 0;
  for (int k = 0; k < static_cast<int>(HandleKind::kCount); ++k) {
    const auto kind = static_cast<HandleKind>(k);
    if (kind != HandleKind::kKernel && kind != HandleKind::kFile && kind != HandleKind::kModule)
      s.gdi += live(kind);
  }
  s.own_kernel = live(HandleKind::kKernel) + live(HandleKind::kFile) + live(HandleKind::kModule);
  s.slowest_answer_ms = std::exchange(slowest_answer_ms_, 0);
  for (HWND list : Lists(main_)) s.rows += RowCount(list);
  return s;
}

bool Soak::WithinBounds(const std::vector<Sample>& samples) {
  const int minutes = static_cast<int>(samples.size());
  if (minutes < 2) return true;
  const Sample& base =
      samples[static_cast<std::size_t>(std::min(kBaselineMinute, minutes - 1) - 1)];
  struct Figure {
    const char* name;
    long Sample::*field;
    long bound;
  };
  const Figure figures[] = {{"private bytes (KiB)", &Sample::private_kib, kPrivateGrowthKib},
                            {"working set (KiB)", &Sample::working_set_kib, kWorkingSetGrowthKib},
                            {"kernel handles", &Sample::handles, kHandleGrowth},
                            {"GDI objects", &Sample::gdi, kGdiGrowth}};
  bool within = true;
  for (const Sample& s : samples) {
    if (s.minute <= base.minute) continue;
    for (const Figure& f : figures)
      if (s.*f.field < 0 || s.*f.field - base.*f.field > f.bound) {
        std::printf("soak: %s grew from %ld at minute %d to %ld at minute %d (bound +%ld)\n",
                    f.name, base.*f.field, base.minute, s.*f.field, s.minute, f.bound);
        within = false;
      }
  }
  return within;
}

int Soak::Run(int minutes) {
  std::printf(
      "soak: %d minutes; bounds after minute %d: private bytes +%ld KiB, working set "
      "+%ld KiB, kernel handles +%ld, GDI objects +%ld\n",
      minutes, std::min(kBaselineMinute, std::max(1, minutes - 1)), kPrivateGrowthKib,
      kWorkingSetGrowthKib, kHandleGrowth, kGdiGrowth);
  std::fflush(stdout);
  std::vector<Sample> samples;
  if (Start()) {
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string dir = Directory(self);
    churn_ = std::make_unique<e2e::Program>(dir + "rv_churn.exe", std::to_string(minutes * 60 + 60),
                                            dir);
    if (!churn_->Started()) Fail("rv_churn.exe did not start");
    std::printf("%6s %12s %12s %8s %5s %7s %10s %5s\n", "minute", "working set", "private",
                "handles", "GDI", "kernel", "slowest ms", "rows");
    const DWORD start = ::GetTickCount();
    for (int minute = 1; minute <= minutes && failure_.empty(); ++minute) {
      if (OpenAndClose("Report", "TReportFrm") && OpenAndClose("Language", "TLanguagesettings"))
        OpenAndClose("About", "TDlgAbout");
      const DWORD end = start + static_cast<DWORD>(minute) * 60000;
      while (failure_.empty() && static_cast<int>(end - ::GetTickCount()) > 0) {
        Check();
        ::Sleep(std::min<DWORD>(1000, std::max<int>(0, static_cast<int>(end - ::GetTickCount()))));
      }
      if (!failure_.empty()) break;
      const Sample s = Take(minute);
      samples.push_back(s);
      std::printf("%6d %8ld KiB %8ld KiB %8ld %5ld %7ld %10ld %5d\n", s.minute, s.working_set_kib,
                  s.private_kib, s.handles, s.gdi, s.own_kernel, s.slowest_answer_ms, s.rows);
      std::fflush(stdout);
    }
  }
  bool passed = failure_.empty() && WithinBounds(samples);
  if (!failure_.empty()) std::printf("soak: %s\n", failure_.c_str());
  if (main_ && ::IsWindow(main_)) ::PostMessageA(main_, WM_CLOSE, 0, 0);
  if (base_ && !base_->WaitForExit(e2e::milliseconds(15000))) {
    std::printf("soak: the suite did not end when its window was closed\n");
    passed = false;
  }
  if (process_) {
    // A hung module is ended here: nothing else would end it.
    if (::WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) ::TerminateProcess(process_, 99);
    ::CloseHandle(process_);
  }
  std::printf("soak: %s\n", passed ? "passed" : "FAILED");
  return passed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const int minutes = argc > 1 ? std::atoi(argv[1]) : 30;
  if (minutes < 1) {
    std::printf("usage: rv_soak.exe [MINUTES]\n");
    return 2;
  }
  return Soak().Run(minutes);
}
