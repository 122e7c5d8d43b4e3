// The suite as a user gets it: installed by the setup program, started from where it went,
// registered with the system, and uninstalled without leaving anything behind.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "tests/e2e/driver.h"

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ravo Info";

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every file under `root` (ending in a separator), by its path relative to `root`.
std::set<std::string> FilesUnder(const std::string& root, const std::string& relative = "") {
  std::set<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE find = ::FindFirstFileA((root + relative + "*").c_str(), &found);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &found)) {
    const std::string name = relative + found.cFileName;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files.insert(name);
    else if (found.cFileName[0] != '.')
      files.merge(FilesUnder(root, name + "\\"));
  }
  if (find != INVALID_HANDLE_VALUE) ::FindClose(find);
  return files;
}

// A text value of the suite's uninstall registration; nullopt when it is absent.
std::optional<std::string> Registered(const char* name) {
  char text[1024];
  DWORD size = sizeof text;
  if (::RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::string(text);
}

TEST(Installer, SilentInstallRunsTheSuiteAndUninstallLeavesNothing) {
  const std::string build = e2e::DistDirectory() + "..\\";
  // A fresh folder, named with a space and a detour: the setup registers the plain full path.
  const std::string given = build + "e2e\\..\\e2e\\installed " + std::to_string(::GetTickCount());
  char full[MAX_PATH], programs[MAX_PATH];
  ASSERT_TRUE(::GetFullPathNameA(given.c_str(), MAX_PATH, full, nullptr) < MAX_PATH);
  const std::string folder = full, installed = folder + "\\",
                    uninstaller = folder + "\\Uninstall.exe";
  ::SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  const std::string menu = std::string(programs) + "\\Ravo Info\\";

  e2e::Program setup(build + RV_SETUP_NAME, "/S /D=" + given, "");
  ASSERT_TRUE(setup.Started()) << build + RV_SETUP_NAME;
  ASSERT_TRUE(setup.WaitForExit(e2e::milliseconds(60000)));

  auto expected = FilesUnder(e2e::DistDirectory());
  expected.erase("Process\\RvProcesess.ini");  // the module's own, if it ran in the build
  expected.insert("Uninstall.exe");
  EXPECT_EQ(FilesUnder(installed), expected);
  EXPECT_TRUE(Exists(menu + "Ravo Info.lnk") && Exists(menu + "Ravo Info Process.lnk"));
  const std::pair<const char*, std::string> values[] = {
      {"DisplayName", "Ravo Info"},
      {"DisplayVersion", RV_VERSION},
      {"Publisher", "Ravo"},
      {"DisplayIcon", uninstaller + ",0"},
      {"UninstallString", "\"" + uninstaller + "\""},
  };
  for (const auto& [name, value] : values) EXPECT_EQ(Registered(name), value) << name;
  DWORD kilobytes = 0, size = sizeof kilobytes;
  ::RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, "EstimatedSize", RRF_RT_REG_DWORD, nullptr,
                 &kilobytes, &size);
  EXPECT_GT(kilobytes, 1000u);

  {
    e2e::Program base(installed + "RvInfo.exe", "", installed);
    HWND window = e2e::WaitForWindow("TProcesessFrm", 0, e2e::milliseconds(30000));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::WindowText(window), "Ravo Info Process");
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(base.WaitForExit(e2e::milliseconds(15000))) << e2e::OpenMessageBoxes();
  }
  EXPECT_TRUE(Exists(installed + "Process\\RvProcesess.ini"));

  e2e::Program uninstall(uninstaller, "/S", "");
  ASSERT_TRUE(uninstall.WaitForExit(e2e::milliseconds(30000)));
  // It returns at once and goes on as a copy of itself outside the folder; the folder goes last.
  for (int i = 0; i < 300 && Exists(folder); ++i) ::Sleep(100);
  EXPECT_FALSE(Exists(folder));
  EXPECT_FALSE(Exists(menu));
  EXPECT_EQ(Registered("DisplayName"), std::nullopt);
}

}  // namespace
