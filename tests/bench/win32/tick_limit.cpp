// The limit of one refresh tick: the fewest platform calls that show everything the module shows,
// once a second, with nothing drawn. One system process snapshot into a buffer kept from tick to
// tick (ids, names, times, cost and parents of every process), the top-level windows with their
// titles, icons and processes, and the priority of the one process whose section is open (this
// program's own, as the module's is in the measurement). Compared under Wine with the module, it
// tells what the module costs beyond what showing it all must cost.
// Usage: rv_tick_limit.exe SECONDS
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "tests/bench/win32/app_window.h"

namespace {

constexpr ULONG kSystemProcessInformation = 5;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

using QuerySystem = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

BOOL CALLBACK VisitWindow(HWND window, LPARAM) {
  if (!IsApplicationWindow(window)) return TRUE;
  char title[256];
  ::GetWindowTextA(window, title, sizeof title);
  ::GetClassLongPtrA(window, GCLP_HICON);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  return TRUE;
}

void Tick(QuerySystem query_system, std::vector<char>& snapshot) {
  ULONG needed = 0;
  while (query_system(kSystemProcessInformation, snapshot.data(),
                      static_cast<ULONG>(snapshot.size()), &needed) == kInfoLengthMismatch)
    snapshot.resize(needed > snapshot.size() ? needed + 4096 : snapshot.size() * 2);
  ::EnumWindows(VisitWindow, 0);
  if (HANDLE open = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, ::GetCurrentProcessId())) {
    ::GetPriorityClass(open);
    ::CloseHandle(open);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  const auto query_system = ntdll ? reinterpret_cast<QuerySystem>(reinterpret_cast<void*>(
                                        ::GetProcAddress(ntdll, "NtQuerySystemInformation")))
                                  : nullptr;
  if (!query_system) return 1;
  std::vector<char> snapshot(256 * 1024);
  for (int i = 0; i < seconds; ++i) {
    Tick(query_system, snapshot);
    ::Sleep(1000);
  }
  return 0;
}
