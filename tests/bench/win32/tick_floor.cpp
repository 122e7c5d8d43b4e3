// The floor of one NT refresh tick: only the platform calls a plain tick makes, once a second,
// with nothing kept and nothing shown. Every process is opened and its path, priority and times
// read; a process whose module path cannot be read gives its image name with the limited query
// right, and one with no path at all its name from the system's process snapshot, taken once in
// a tick that needs it. Compared under Wine with the module, it tells what the module's own
// logic and painting cost. Usage: rv_tick_floor.exe SECONDS
#include <windows.h>

#include <psapi.h>

#include <cstdlib>
#include <vector>

#include "tests/bench/win32/app_window.h"

namespace {

constexpr DWORD kQueryLimited = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION
constexpr ULONG kSystemProcessInformation = 5;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
using QuerySystem = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

struct Entries {
  QueryImageName query_image_name = nullptr;
  QuerySystem query_system = nullptr;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM) {
  if (!IsApplicationWindow(window)) return TRUE;
  char title[256];
  ::GetWindowTextA(window, title, sizeof title);
  return TRUE;
}

// The system's process snapshot, the buffer grown while the call says it is too small.
void TakeSystemSnapshot(const Entries& entries, std::vector<char>& buffer) {
  if (!entries.query_system) return;
  ULONG needed = 0;
  while (entries.query_system(kSystemProcessInformation, buffer.data(),
                              static_cast<ULONG>(buffer.size()), &needed) == kInfoLengthMismatch)
    buffer.resize(needed > buffer.size() ? needed + 4096 : buffer.size() * 2);
}

void Tick(const Entries& entries, std::vector<DWORD>& ids, std::vector<char>& snapshot) {
  DWORD bytes = 0;
  if (!::EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) return;
  bool without_path = false;
  for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
    if (!process) process = ::OpenProcess(kQueryLimited, FALSE, ids[i]);
    if (!process) {
      without_path = true;
      continue;
    }
    char path[MAX_PATH];
    DWORD copied = ::GetModuleFileNameExA(process, nullptr, path, sizeof path);
    if (copied == 0 && entries.query_image_name) {
      DWORD size = sizeof path;
      copied = entries.query_image_name(process, 0, path, &size) ? size : 0;
    }
    without_path = without_path || copied == 0;
    ::GetPriorityClass(process);
    FILETIME times[4];
    ::GetProcessTimes(process, &times[0], &times[1], &times[2], &times[3]);
    ::CloseHandle(process);
  }
  if (without_path) TakeSystemSnapshot(entries, snapshot);
  ::EnumWindows(VisitWindow, 0);
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  Entries entries;
  if (HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll"))
    entries.query_image_name = reinterpret_cast<QueryImageName>(
        reinterpret_cast<void*>(::GetProcAddress(kernel32, "QueryFullProcessImageNameA")));
  if (HMODULE ntdll = ::GetModuleHandleA("ntdll.dll"))
    entries.query_system = reinterpret_cast<QuerySystem>(
        reinterpret_cast<void*>(::GetProcAddress(ntdll, "NtQuerySystemInformation")));
  std::vector<DWORD> ids(65532 / sizeof(DWORD));
  std::vector<char> snapshot(64 * 1024);
  for (int i = 0; i < seconds; ++i) {
    Tick(entries, ids, snapshot);
    ::Sleep(1000);
  }
  return 0;
}
