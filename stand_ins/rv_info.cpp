// Stand-in for the suite's base module: holds the suite's running mutex while it starts the
// process module from its sub-directory and waits for it to end.
#include <windows.h>

#include <string>

namespace {

std::string OwnDirectory() {
  char path[MAX_PATH + 1];
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  return dir.substr(0, dir.find_last_of("\\/") + 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE running = ::CreateMutexA(nullptr, FALSE, "Ravo Info running");
  const std::string module_dir = OwnDirectory() + "Process\\";
  std::string command = "\"" + module_dir + "RvProcesess.exe\" -rvinfo";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  int exit_code = 1;
  if (::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       module_dir.c_str(), &startup, &process)) {
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    exit_code = static_cast<int>(code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  } else {
    ::MessageBoxA(nullptr, ("Cannot start " + command).c_str(), "Ravo Info", MB_OK | MB_ICONERROR);
  }
  if (running) ::CloseHandle(running);
  return exit_code;
}
