#pragma once
// A fake platform for timing: the system as arrays, every call O(1) with no logging but a count,
// so that a benchmark measures the logic and not the test fakes' bookkeeping.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "i18n/text_source.h"
#include "platform/date_time.h"
#include "platform/image_list.h"
#include "platform/kernel.h"
#include "platform/native_system_info.h"
#include "platform/process_status.h"
#include "platform/user_interface.h"

namespace bench {

struct LeanProcess {
  std::uint32_t id;
  std::string path;
  std::uint32_t priority;
  bool can_open;
  platform::ProcessTimes times{};  // another program under the same id has another creation
};

struct LeanWindow {
  std::string title;
  bool visible;
  platform::WindowHandle owner;
  std::uint32_t ex_style;
  platform::IconHandle icon;
};

// Process ids are 8, 12, 16, ...; a handle is the process's index + 1, a window handle its
// index + 1.
struct LeanSystem {
  LeanSystem(int process_count, int window_count);
  std::vector<LeanProcess> processes;
  std::vector<std::uint32_t> pids;
  std::vector<LeanWindow> windows;
};

inline LeanSystem::LeanSystem(int process_count, int window_count) {
  static const std::uint32_t kClasses[] = {0x20, 0x20, 0x20, 0x80, 0x40, 0x8000};
  for (int i = 0; i < process_count; ++i) {
    const auto id = static_cast<std::uint32_t>(8 + 4 * i);
    // One in ten cannot be opened, one in twenty has no readable path.
    std::string path = i % 20 == 7 ? std::string()
                                   : "C:\\Program Files\\Vendor " + std::to_string(i % 37) +
                                         "\\Application\\program" + std::to_string(i) + ".exe";
    processes.push_back({id, std::move(path), kClasses[i % 6], i % 10 != 3, {}});
    pids.push_back(id);
  }
  for (int i = 0; i < window_count; ++i) {
    // A quarter are application windows; the rest are hidden, owned or tool windows.
    const int kind = i % 4;
    windows.push_back({"Window " + std::to_string(i) + " - Some Document Title.txt", kind != 1,
                       kind == 2 ? platform::WindowHandle{0x5000} : 0,
                       kind == 3 ? platform::kWsExToolWindow : 0u,
                       static_cast<platform::IconHandle>(i % 5 == 0 ? 0 : 0x7000 + i)});
  }
}

class LeanKernel : public platform::Kernel {
 public:
  LeanKernel(const LeanSystem& system, long& calls) : system_(system), calls_(calls) {}
  bool GetVersionExA(platform::OsVersionInfo&) override {
    ++calls_;
    return false;
  }
  std::uint16_t GetSystemDefaultLangID() override {
    ++calls_;
    return 0x409;
  }
  platform::Handle OpenMutexA(std::uint32_t, bool, const std::string&) override {
    ++calls_;
    return 0;
  }
  std::uint32_t GetLastError() override {
    ++calls_;
    return 0;
  }
  bool CloseHandle(platform::Handle handle) override {
    ++calls_;
    return handle != 0;
  }
  bool FileExists(const std::string&) override {
    ++calls_;
    return false;
  }
  std::string GetModuleFileName() override {
    ++calls_;
    return {};
  }
  std::vector<std::string> CommandLineArguments() override {
    ++calls_;
    return {};
  }
  std::string GetSystemDirectoryA() override {
    ++calls_;
    return "C:\\windows\\system32";
  }
  platform::Handle GetModuleHandleA(const std::string& name) override {
    ++calls_;
    return name == "NTDLL.DLL" ? 0x1000 : 0;
  }
  platform::Handle LoadLibraryA(const std::string&) override {
    ++calls_;
    return 0x1000;
  }
  platform::Handle LoadLibraryEx(const std::string&, std::uint32_t) override {
    ++calls_;
    return 0;
  }
  bool FreeLibrary(platform::Handle) override {
    ++calls_;
    return true;
  }
  platform::ProcAddress GetProcAddress(platform::Handle, const std::string& name) override {
    ++calls_;
    return name == "EnumProcesses" ? 0x2000 : 0x3000;
  }
  platform::Handle OpenProcess(std::uint32_t, bool, std::uint32_t id) override {
    ++calls_;
    const std::size_t index = (id - 8) / 4;
    if (id < 8 || index >= system_.processes.size() || !system_.processes[index].can_open) return 0;
    return index + 1;
  }
  std::uint32_t GetPriorityClass(platform::Handle process) override {
    ++calls_;
    return process == 0 ? 0 : system_.processes[process - 1].priority;
  }
  bool GetProcessTimes(platform::Handle process, platform::ProcessTimes& times) override {
    ++calls_;
    if (process == 0) return false;
    times = system_.processes[process - 1].times;
    return true;
  }
  bool TerminateProcess(platform::Handle, std::uint32_t) override {
    ++calls_;
    return false;
  }
  bool SetPriorityClass(platform::Handle, std::uint32_t) override {
    ++calls_;
    return false;
  }
  int QueryFullProcessImageNameW(platform::ProcAddress, platform::Handle, char*, int) override {
    ++calls_;
    return 0;
  }

 private:
  const LeanSystem& system_;
  long& calls_;
};

class LeanProcessStatus : public platform::ProcessStatus {
 public:
  LeanProcessStatus(const LeanSystem& system, long& calls) : system_(system), calls_(calls) {}
  bool EnumProcesses(platform::ProcAddress fn, std::uint32_t* buffer, std::uint32_t bytes,
                     std::uint32_t& bytes_returned) override {
    ++calls_;
    if (fn == 0) return false;
    const std::size_t n = std::min<std::size_t>(system_.pids.size(), bytes / 4);
    std::memcpy(buffer, system_.pids.data(), n * 4);
    bytes_returned = static_cast<std::uint32_t>(n * 4);
    return true;
  }
  int GetModuleFileNameExW(platform::ProcAddress fn, platform::Handle process, platform::Handle,
                           char* buffer, int size) override {
    ++calls_;
    if (fn == 0 || process == 0) return 0;
    const std::string& path = system_.processes[process - 1].path;
    if (path.empty()) return 0;
    const int n = std::min<int>(static_cast<int>(path.size()), size - 1);
    std::memcpy(buffer, path.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
  }

 private:
  const LeanSystem& system_;
  long& calls_;
};

class LeanUserInterface : public platform::UserInterface {
 public:
  LeanUserInterface(const LeanSystem& system, long& calls) : system_(system), calls_(calls) {}
  int LoadString(platform::Handle, std::uint32_t, char*, int) override {
    ++calls_;
    return 0;
  }
  int MessageBox(platform::WindowHandle, const std::string&, const std::string&,
                 std::uint32_t) override {
    ++calls_;
    return platform::kIdOk;
  }
  void EnumWindows(const std::function<bool(platform::WindowHandle)>& callback) override {
    ++calls_;
    for (std::size_t i = 0; i < system_.windows.size(); ++i)
      if (!callback(i + 1)) break;
  }
  bool IsWindowVisible(platform::WindowHandle w) override {
    ++calls_;
    return At(w).visible;
  }
  std::intptr_t GetWindowLongA(platform::WindowHandle w, int index) override {
    ++calls_;
    return index == platform::kGwlHwndParent ? static_cast<std::intptr_t>(At(w).owner)
                                             : static_cast<std::intptr_t>(At(w).ex_style);
  }
  platform::WindowHandle GetDesktopWindow() override {
    ++calls_;
    return 0x10010;
  }
  int GetWindowText(platform::WindowHandle w, char* buffer, int size) override {
    ++calls_;
    const std::string& title = At(w).title;
    const int n = std::min<int>(static_cast<int>(title.size()), size - 1);
    std::memcpy(buffer, title.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
  }
  std::uintptr_t GetClassLongA(platform::WindowHandle w, int) override {
    ++calls_;
    return At(w).icon;
  }
  std::uint32_t GetWindowThreadProcessId(platform::WindowHandle w) override {
    ++calls_;
    return 8 + 4 * static_cast<std::uint32_t>((w - 1) % 64);  // the first processes' windows
  }
  bool ShowWindowAsync(platform::WindowHandle, int) override {
    ++calls_;
    return true;
  }
  bool SetForegroundWindow(platform::WindowHandle) override {
    ++calls_;
    return true;
  }
  bool PostMessageA(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) override {
    ++calls_;
    return true;
  }
  platform::Point GetCursorPos() override {
    ++calls_;
    return {};
  }

 private:
  const LeanWindow& At(platform::WindowHandle w) const { return system_.windows[w - 1]; }
  const LeanSystem& system_;
  long& calls_;
};

class LeanImageList : public platform::ImageList {
 public:
  explicit LeanImageList(long& calls) : calls_(calls) {}
  int Count() const override {
    ++calls_;
    return count_;
  }
  int Width() const override {
    ++calls_;
    return 16;
  }
  int Height() const override {
    ++calls_;
    return 16;
  }
  bool Delete(int index) override {
    ++calls_;
    if (index < 0 || index >= count_) return false;
    --count_;
    return true;
  }
  int AddIcon(platform::IconHandle icon) override {
    ++calls_;
    return icon == 0 ? -1 : count_++;
  }
  int AddMasked(const std::vector<platform::Color>&, platform::Color) override {
    ++calls_;
    return count_++;
  }

 private:
  long& calls_;
  int count_ = 3;
};

class LeanTexts : public i18n::TextSource {
 public:
  std::string TextById(int id) const override { return "priority text " + std::to_string(id); }
};

// The system's own process snapshot: every process, with its creation time.
class LeanNativeSystemInfo : public platform::NativeSystemInfo {
 public:
  LeanNativeSystemInfo(const LeanSystem& system, long& calls) : system_(system), calls_(calls) {}
  std::uint32_t QueryProcessorIdleTimes(platform::ProcAddress, std::uint32_t,
                                        std::vector<std::int64_t>&) override {
    ++calls_;
    return platform::kStatusProcedureNotFound;
  }
  std::uint32_t QueryProcessorCount(platform::ProcAddress, std::uint32_t&) override {
    ++calls_;
    return platform::kStatusProcedureNotFound;
  }
  std::uint32_t QuerySystemProcesses(platform::ProcAddress fn,
                                     std::vector<platform::NativeProcess>& processes) override {
    ++calls_;
    if (fn == 0) return platform::kStatusProcedureNotFound;
    processes.resize(system_.processes.size());
    for (std::size_t i = 0; i < processes.size(); ++i) {
      const LeanProcess& p = system_.processes[i];
      processes[i].id = p.id;
      processes[i].creation = p.times.creation;
      processes[i].user = p.times.user;
      processes[i].kernel = p.times.kernel;
      processes[i].image_name.assign(p.path, p.path.rfind('\\') + 1);
    }
    return platform::kStatusSuccess;
  }

 private:
  const LeanSystem& system_;
  long& calls_;
};

// A second passes between two reads of the clock. The clock is read from memory the system keeps
// current, not asked of it: not counted as a call.
class LeanClock : public platform::DateTime {
 public:
  platform::SystemTime GetLocalTime() override { return {}; }
  std::string GetDateFormatA(const platform::SystemTime&) override { return {}; }
  std::string GetTimeFormatA(const platform::SystemTime&) override { return {}; }
  std::uint32_t GetTickCount() override { return now_ += 1000; }
  std::string GetNumberFormatA(std::string_view digits) override { return std::string(digits); }

 private:
  std::uint32_t now_ = 0;
};

// The lean platform of one system; `calls` counts every call made of it.
struct Platform {
  Platform(int processes, int windows)
      : system(processes, windows),
        kernel(system, calls),
        status(system, calls),
        native(system, calls),
        ui(system, calls),
        images(calls) {}
  long calls = 0;
  LeanSystem system;
  LeanKernel kernel;
  LeanProcessStatus status;
  LeanNativeSystemInfo native;
  LeanUserInterface ui;
  LeanImageList images;
  LeanTexts texts;
  LeanClock clock;
};

}  // namespace bench
