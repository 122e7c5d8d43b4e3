#include "platform/win32/kernel.h"
#include "platform/win32/modules.h"

#include "platform/win32/system_headers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using platform::win32::Win32Kernel;

TEST(Win32Kernel, VersionQueryReportsTheNtFamily) {
  Win32Kernel kernel;
  platform::OsVersionInfo info;
  ASSERT_TRUE(kernel.GetVersionExA(info));
  EXPECT_EQ(info.platform_id, platform::kVerPlatformWin32Nt);
  EXPECT_GE(info.major, 5u);
}

TEST(Win32Kernel, MutexProbeFindsOnlyAnExistingMutex) {
  Win32Kernel kernel;
  const std::string name = "Ravo test mutex " + std::to_string(::GetCurrentProcessId());
  EXPECT_EQ(kernel.OpenMutexA(platform::kMutexAllAccess, true, name), 0u);
  EXPECT_EQ(kernel.GetLastError(), platform::kErrorFileNotFound);

  HANDLE created = ::CreateMutexA(nullptr, FALSE, name.c_str());
  ASSERT_NE(created, nullptr);
  platform::Handle opened = kernel.OpenMutexA(platform::kMutexAllAccess, true, name);
  EXPECT_NE(opened, 0u);
  EXPECT_TRUE(kernel.CloseHandle(opened));
  ::CloseHandle(created);
}

TEST(Win32Kernel, FileExistsForFilesOnly) {
  Win32Kernel kernel;
  const std::string path = kernel.GetModuleFileName();
  EXPECT_TRUE(kernel.FileExists(path));
  EXPECT_FALSE(kernel.FileExists(path + ".missing"));
  EXPECT_FALSE(kernel.FileExists(kernel.GetSystemDirectoryA()));
}

TEST(Win32Kernel, ExecutablePathIsFullAndEndsWithTheExeName) {
  Win32Kernel kernel;
  const std::string path = kernel.GetModuleFileName();
  ASSERT_GT(path.size(), 3u);
  EXPECT_EQ(path[1], ':');
  EXPECT_NE(path.find("rv_platform_tests.exe"), std::string::npos);
}

TEST(Win32Kernel, OwnProcessOpensWithNormalPriority) {
  Win32Kernel kernel;
  platform::Handle process = kernel.OpenProcess(0x0410, false, ::GetCurrentProcessId());
  ASSERT_NE(process, 0u);
  EXPECT_EQ(kernel.GetPriorityClass(process), static_cast<std::uint32_t>(NORMAL_PRIORITY_CLASS));
  EXPECT_TRUE(kernel.CloseHandle(process));
}

TEST(Win32Kernel, EntryPointsResolveByName) {
  Win32Kernel kernel;
  platform::Handle k32 = kernel.GetModuleHandleA("kernel32.dll");
  ASSERT_NE(k32, 0u);
  EXPECT_NE(kernel.GetProcAddress(k32, "CreateToolhelp32Snapshot"), 0u);
  EXPECT_EQ(kernel.GetProcAddress(k32, "NoSuchEntryPoint"), 0u);
}

TEST(Win32Bindings, EntriesOfSystemAndLoadedLibrariesResolveByName) {
  using platform::win32::LoadedModuleEntry;
  using platform::win32::SystemLibraryEntry;
  struct Case {
    FARPROC (*bind)(const char*, const char*);
    const char* library;
    const char* name;
    bool found;
  } cases[] = {
      {SystemLibraryEntry, "comdlg32.dll", "GetSaveFileNameA", true},
      {SystemLibraryEntry, "comdlg32.dll", "NoSuchEntryPoint", false},
      {SystemLibraryEntry, "no_such_library.dll", "GetSaveFileNameA", false},
      {LoadedModuleEntry, "kernel32.dll", "MoveFileExA", true},
      {LoadedModuleEntry, "no_such_library.dll", "MoveFileExA", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.library) + " " + c.name);
    EXPECT_EQ(c.bind(c.library, c.name) != nullptr, c.found);
  }
}

}  // namespace
