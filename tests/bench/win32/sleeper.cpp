// One more process on the system for the benchmarks to list: it sleeps, without a window, for
// SECONDS. Usage: rv_sleeper.exe SECONDS
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  ::Sleep(static_cast<DWORD>(seconds > 0 ? seconds : 0) * 1000);
  return 0;
}
