// The floor of one NT refresh tick: only the platform calls a tick makes, once a second, with
// nothing kept and nothing shown. Compared under Wine with the module, it tells what the
// module's own logic and painting cost. Usage: rv_tick_floor.exe SECONDS
#include <windows.h>

#include <psapi.h>

#include <cstdlib>
#include <vector>

namespace {

BOOL CALLBACK VisitWindow(HWND window, LPARAM) {
  if (!::IsWindowVisible(window)) return TRUE;
  const LONG_PTR owner = ::GetWindowLongPtrA(window, GWLP_HWNDPARENT);
  if (owner != 0 && reinterpret_cast<HWND>(owner) != ::GetDesktopWindow()) return TRUE;
  const LONG_PTR ex_style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  if ((ex_style & WS_EX_TOOLWINDOW) && !(ex_style & WS_EX_APPWINDOW)) return TRUE;
  char title[256];
  ::GetWindowTextA(window, title, sizeof title);
  return TRUE;
}

void Tick(std::vector<DWORD>& ids) {
  DWORD bytes = 0;
  if (!::EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) return;
  for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
    if (!process) continue;
    char path[MAX_PATH];
    ::GetModuleFileNameExA(process, nullptr, path, sizeof path);
    ::GetPriorityClass(process);
    FILETIME times[4];
    ::GetProcessTimes(process, &times[0], &times[1], &times[2], &times[3]);
    ::CloseHandle(process);
  }
  ::EnumWindows(VisitWindow, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  std::vector<DWORD> ids(65532 / sizeof(DWORD));
  for (int i = 0; i < seconds; ++i) {
    Tick(ids);
    ::Sleep(1000);
  }
  return 0;
}
