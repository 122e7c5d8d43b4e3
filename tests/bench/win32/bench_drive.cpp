// Brings a program under measurement into the state tools/bench-wine measures, from outside as
// a user would, and says when it got there.
//   rv_bench_drive.exe module   the module's processes section opened in both lists and its own
//                               detail section expanded; prints the time from the module's
//                               start to its window and to its first populated list
//   rv_bench_drive.exe taskmgr  the task manager's processes page shown
// Exits with 1, saying why, when the program does not get there within a minute.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

namespace {

constexpr int kTimeoutMs = 60000;
constexpr int kProcessesHeaderRow = 1;  // below the contracted applications header
constexpr char kModuleName[] = "RvProcesess.exe";

int Fail(const char* why) {
  std::printf("drive: %s\n", why);
  return 1;
}

int RowCount(HWND list) {
  return static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
}

// Milliseconds since the process of `window` started.
long long MsSinceStartOf(HWND window) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(window, &id);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, id);
  if (!process) return -1;
  FILETIME creation, exit, kernel, user, now;
  const bool read = ::GetProcessTimes(process, &creation, &exit, &kernel, &user) != 0;
  ::CloseHandle(process);
  if (!read) return -1;
  ::GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) {
    return static_cast<long long>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                  t.dwLowDateTime);
  };
  return (ticks(now) - ticks(creation)) / 10000;
}

int DriveModule() {
  // Polled finely: the window's showing and the first populated list are timed.
  HWND main = nullptr;
  const DWORD end = ::GetTickCount() + kTimeoutMs;
  while (!main && ::GetTickCount() < end) {
    for (HWND w : e2e::TopLevelWindows("TProcesessFrm", 0))
      if (::IsWindowVisible(w)) main = w;
    if (!main) ::Sleep(5);
  }
  if (!main) return Fail("no module window");
  std::printf("start to window shown: %lld ms\n", MsSinceStartOf(main));
  std::vector<HWND> lists;
  if (!e2e::WaitFor([&] { return (lists = e2e::VisibleLists(main)).size() == 2; }, kTimeoutMs))
    return Fail("the module's two lists did not show");
  const HWND left = lists[0];
  const HWND detail = lists[1];
  if (!e2e::WaitFor([&] { return RowCount(left) > kProcessesHeaderRow; }, kTimeoutMs))
    return Fail("no processes header");
  e2e::ClickListRow(left, kProcessesHeaderRow, 120);
  while (RowCount(left) <= kProcessesHeaderRow + 1 && ::GetTickCount() < end) ::Sleep(5);
  if (RowCount(left) <= kProcessesHeaderRow + 1) return Fail("the processes section stayed empty");
  std::printf("start to first populated list: %lld ms\n", MsSinceStartOf(main));
  auto module_row = [&](HWND list) {
    return e2e::ListRowWhere(list, [](const std::string& row) { return row == kModuleName; });
  };
  int row = -1;
  if (!e2e::WaitFor([&] { return (row = module_row(left)) >= 0; }, kTimeoutMs))
    return Fail("the module is not listed");
  e2e::ClickListRow(left, row, 120);
  const bool open = e2e::WaitFor(
      [&] {
        const int header = module_row(detail);
        return header >= 0 && RowCount(detail) > header + 1 &&
               e2e::ListRows(detail)[static_cast<std::size_t>(header + 1)] != kModuleName;
      },
      kTimeoutMs);
  if (!open) return Fail("the module's detail section did not open");
  std::printf("drive: processes open in both lists, the module's own section expanded\n");
  return 0;
}

BOOL CALLBACK FindVisibleListView(HWND child, LPARAM out) {
  if (_stricmp(e2e::ClassName(child).c_str(), WC_LISTVIEWA) != 0 || !::IsWindowVisible(child))
    return TRUE;
  *reinterpret_cast<HWND*>(out) = child;
  return FALSE;
}

// The visible list view among the descendants of `window`, null when none shows.
HWND VisibleListView(HWND window) {
  HWND found = nullptr;
  ::EnumChildWindows(window, FindVisibleListView, reinterpret_cast<LPARAM>(&found));
  return found;
}

int DriveTaskManager() {
  HWND main = nullptr;
  HWND tabs = nullptr;
  const bool found = e2e::WaitFor(
      [&] {
        for (HWND w : e2e::TopLevelWindows("", 0)) {
          if (!::IsWindowVisible(w)) continue;
          for (HWND child : e2e::ChildWindows(w))
            if (_stricmp(e2e::ClassName(child).c_str(), WC_TABCONTROLA) == 0) {
              main = w;
              tabs = child;
              return true;
            }
        }
        return false;
      },
      kTimeoutMs);
  if (!found) return Fail("no task manager window");
  const HWND first_page = VisibleListView(main);
  // The tab control moves to the next page on the right arrow, as from the keyboard.
  ::PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  ::PostMessageA(tabs, WM_KEYUP, VK_RIGHT, 0);
  HWND page = nullptr;
  if (!e2e::WaitFor(
          [&] {
            page = VisibleListView(main);
            return page && page != first_page && ::SendMessageA(page, LVM_GETITEMCOUNT, 0, 0) > 0;
          },
          kTimeoutMs))
    return Fail("the processes page did not show");
  std::printf("drive: task manager shows %d processes\n",
              static_cast<int>(::SendMessageA(page, LVM_GETITEMCOUNT, 0, 0)));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "module") return DriveModule();
  if (mode == "taskmgr") return DriveTaskManager();
  std::printf("usage: rv_bench_drive.exe module|taskmgr\n");
  return 2;
}
