#include "platform/win32/system_headers.h"
// tlhelp32.h needs the types of windows.h.
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/win32/date_time.h"
#include "platform/win32/kernel.h"
#include "platform/win32/kernel_handles.h"
#include "platform/win32/native_system_info.h"
#include "platform/win32/process_status.h"
#include "platform/win32/tool_help.h"
#include "platform/win32/user_interface.h"
#include "snapshot/hex_text.h"
#include "snapshot/nt_process_list.h"
#include "snapshot/toolhelp_process_list.h"

namespace {

using namespace platform::win32;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// A system without its own process snapshot: the list opens every process.
struct NoSystemSnapshot : platform::NativeSystemInfo {
  std::uint32_t QueryProcessorIdleTimes(platform::ProcAddress, std::uint32_t,
                                        std::vector<std::int64_t>&) override {
    return platform::kStatusProcedureNotFound;
  }
  std::uint32_t QueryProcessorCount(platform::ProcAddress, std::uint32_t&) override {
    return platform::kStatusProcedureNotFound;
  }
  std::uint32_t QuerySystemProcesses(platform::ProcAddress,
                                     std::vector<platform::NativeProcess>&) override {
    return platform::kStatusProcedureNotFound;
  }
};

// The NT refresh on the real system.
struct NtProcesses {
  explicit NtProcesses(bool with_system_snapshot = true)
      : native(with_system_snapshot ? static_cast<platform::NativeSystemInfo&>(system_snapshot)
                                    : no_system_snapshot) {
    loaded = psapi.Load();
  }
  ~NtProcesses() { psapi.Unload(); }
  const snapshot::processinfos* Tick(std::uint32_t id) {
    list.CollectNtProcessIds();
    list.BuildNtProcessList(result);
    for (const snapshot::processinfos& p : result.processes())
      if (p.id == id) return &p;
    return nullptr;
  }

  Win32Kernel kernel;
  Win32UserInterface ui;
  Win32ProcessStatus status;
  Win32NativeSystemInfo system_snapshot;
  NoSystemSnapshot no_system_snapshot;
  platform::NativeSystemInfo& native;
  snapshot::PsapiBinding psapi{kernel, status};
  bool loaded = false;
  snapshot::ProcessSnapshot result;
  Win32DateTime clock;
  snapshot::NtProcessList list{kernel, ui, psapi, native, clock};
};

TEST(Win32NtProcessList, PsapiComesFromTheSystemDirectory) {
  NtProcesses nt;
  ASSERT_TRUE(nt.loaded);
  const std::string path = nt.kernel.GetSystemDirectoryA() + "\\psapi.dll";
  EXPECT_EQ(nt.psapi.module(),
            reinterpret_cast<platform::Handle>(::GetModuleHandleA(path.c_str())));
}

TEST(Win32NtProcessList, OwnProcessIsListedWithPathDecimalIdAndNormalPriority) {
  NtProcesses nt;
  ASSERT_TRUE(nt.loaded);
  const DWORD own = ::GetCurrentProcessId();
  const snapshot::processinfos* p = nt.Tick(own);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(Lower(p->path), Lower(nt.kernel.GetModuleFileName()));
  EXPECT_EQ(Lower(p->name), "rv_platform_tests.exe");
  EXPECT_EQ(p->id_text, std::to_string(own));
  EXPECT_GT(nt.result.processes().size(), 1u);
}

TEST(Win32NtProcessList, SystemSnapshotAndOpeningEveryProcessGiveTheSameRecords) {
  NtProcesses fast;
  NtProcesses plain(false);
  ASSERT_TRUE(fast.loaded && plain.loaded);
  auto records = [](NtProcesses& nt) {
    nt.Tick(0);
    std::vector<std::string> out;
    for (const snapshot::processinfos& p : nt.result.processes())
      out.push_back(p.id_text + "|" + p.name + "|" + p.path + "|" + std::to_string(p.creation));
    return out;
  };
  std::vector<std::string> by_snapshot, by_opening;
  // Processes may start or end between the two reads: three tries to see both agree.
  for (int attempt = 0; attempt < 3 && (by_snapshot.empty() || by_snapshot != by_opening);
       ++attempt) {
    by_snapshot = records(fast);
    by_opening = records(plain);
  }
  EXPECT_EQ(by_snapshot, by_opening);
  EXPECT_GT(by_snapshot.size(), 1u);
}

// Tool help's process names, lower case and sorted.
std::vector<std::string> ToolHelpNames() {
  std::vector<std::string> names;
  UniqueKernelHandle snap(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snap.Get(), &entry); more;
       more = ::Process32Next(snap.Get(), &entry))
    names.push_back(Lower(entry.szExeFile));
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Win32NtProcessList, ListsEveryProcessToolHelpReportsByTheSameName) {
  NtProcesses nt;
  ASSERT_TRUE(nt.loaded);
  std::vector<std::string> listed, reported;
  // Processes may start or end between the two reads: three tries to see both agree.
  for (int attempt = 0; attempt < 3 && (listed.empty() || listed != reported); ++attempt) {
    nt.Tick(0);
    listed.clear();
    for (const snapshot::processinfos& p : nt.result.processes()) listed.push_back(Lower(p.name));
    std::sort(listed.begin(), listed.end());
    reported = ToolHelpNames();
  }
  EXPECT_EQ(listed, reported);
}

TEST(Win32NativeSystemInfo, ProcessSnapshotGivesOwnNameAndTheCreationTimeOfProcessTimes) {
  Win32Kernel kernel;
  Win32NativeSystemInfo native;
  const platform::ProcAddress entry =
      kernel.GetProcAddress(kernel.GetModuleHandleA("NTDLL.DLL"), "ZwQuerySystemInformation");
  std::vector<platform::NativeProcess> processes;
  ASSERT_EQ(native.QuerySystemProcesses(entry, processes), platform::kStatusSuccess);
  const auto own = std::find_if(processes.begin(), processes.end(),
                                [](const auto& p) { return p.id == ::GetCurrentProcessId(); });
  ASSERT_NE(own, processes.end());
  EXPECT_EQ(Lower(own->image_name), "rv_platform_tests.exe");
  // A row's identity may come from either source: they must agree.
  platform::ProcessTimes times;
  ASSERT_TRUE(
      kernel.GetProcessTimes(reinterpret_cast<platform::Handle>(::GetCurrentProcess()), times));
  EXPECT_EQ(own->creation, times.creation);
  EXPECT_GE(processes.size(), 2u);
}

TEST(Win32NtProcessList, ChildProcessAppearsAndDisappearsOnceEnded) {
  NtProcesses nt;
  ASSERT_TRUE(nt.loaded);
  // The sleeping program the benchmarks start, built beside this one.
  std::string exe = nt.kernel.GetModuleFileName();
  exe = exe.substr(0, exe.find_last_of('\\') + 1) + "rv_sleeper.exe";
  std::string command = "\"" + exe + "\" 60";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE,
                               DETACHED_PROCESS, nullptr, nullptr, &startup, &child));
  UniqueKernelHandle process(child.hProcess);
  UniqueKernelHandle thread(child.hThread);

  const snapshot::processinfos* seen = nullptr;
  for (int i = 0; i < 100 && !seen; ++i, ::Sleep(100)) seen = nt.Tick(child.dwProcessId);
  ASSERT_NE(seen, nullptr);
  EXPECT_EQ(Lower(seen->path), Lower(exe));
  EXPECT_EQ(seen->id_text, std::to_string(child.dwProcessId));

  ASSERT_TRUE(::TerminateProcess(process.Get(), 3));
  EXPECT_EQ(::WaitForSingleObject(process.Get(), 10000), WAIT_OBJECT_0);
  process.Reset();
  thread.Reset();
  bool gone = false;
  for (int i = 0; i < 100 && !gone; ++i, ::Sleep(100)) gone = nt.Tick(child.dwProcessId) == nullptr;
  EXPECT_TRUE(gone);
}

TEST(Win32ToolHelpProcessList, OwnProcessIsListedWithHexId) {
  Win32Kernel kernel;
  Win32ToolHelp tool_help;
  snapshot::ToolHelpBinding binding(kernel, tool_help);
  ASSERT_TRUE(binding.Ensure());
  snapshot::ProcessSnapshot result;
  snapshot::ToolHelpProcessList list(kernel, binding);
  list.CollectToolHelpEntries();
  list.Build9xProcessList(result);
  EXPECT_NE(list.snapshot_handle(), 0u);
  const DWORD own = ::GetCurrentProcessId();
  auto it = std::find_if(result.processes().begin(), result.processes().end(),
                         [&](const snapshot::processinfos& p) { return p.id == own; });
  ASSERT_NE(it, result.processes().end());
  EXPECT_EQ(it->id_text, snapshot::HexText8(own));
  EXPECT_EQ(Lower(it->name), "rv_platform_tests.exe");
  for (const platform::ToolHelpEntry& e : list.entries()) EXPECT_EQ(e.size, sizeof(PROCESSENTRY32));
}

}  // namespace
