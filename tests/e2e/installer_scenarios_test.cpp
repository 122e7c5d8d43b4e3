// The suite as a user gets it: installed by the setup program, started from where it went,
// registered with the system, and uninstalled without leaving anything behind.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>

#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;
using Files = std::set<std::string>;

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ravo Info";

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every file under `root` (ending in a separator), by its path relative to `root`.
Files FilesUnder(const std::string& root, const std::string& relative = "") {
  Files files;
  WIN32_FIND_DATAA found;
  HANDLE find = ::FindFirstFileA((root + relative + "*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    const std::string name = relative + found.cFileName;
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files.insert(name);
    else if (found.cFileName[0] != '.')
      files.merge(FilesUnder(root, name + "\\"));
  } while (::FindNextFileA(find, &found));
  ::FindClose(find);
  return files;
}

// A value of the suite's uninstall registration as text; nullopt when the key is absent.
std::optional<std::string> Registered(const char* name) {
  HKEY key;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  char data[1024] = {};
  DWORD type = 0, size = sizeof data - 1;
  ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  ::RegCloseKey(key);
  if (type == REG_DWORD) return std::to_string(*reinterpret_cast<const DWORD*>(data));
  return std::string(data);
}

// The file version of an executable's version resource, as "1.2.3.4".
std::string FileVersion(const std::string& exe) {
  std::string block(::GetFileVersionInfoSizeA(exe.c_str(), nullptr), '\0');
  VS_FIXEDFILEINFO* info = nullptr;
  UINT size = 0;
  if (block.empty() ||
      !::GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
      !::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &size))
    return "";
  return std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
         std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
         std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
         std::to_string(LOWORD(info->dwFileVersionLS));
}

std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  const DWORD n = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return std::string(full, n < MAX_PATH ? n : 0);
}

// What an earlier, failed run may have left.
void RemoveTree(const std::string& path) {
  const std::string from = path + '\0';  // a list of names, ended by an empty one
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
  ::SHFileOperationA(&operation);
}

TEST(Installer, SilentInstallRunsTheSuiteAndUninstallLeavesNothing) {
  const std::string build = e2e::DistDirectory() + "..\\";
  // A space, and a path as a script might pass it: the setup registers the plain full path.
  const std::string given = build + "e2e\\..\\e2e\\installed suite";
  const std::string folder = FullPath(given), installed = folder + "\\";
  char programs[MAX_PATH] = "";
  ::SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  const std::string menu = std::string(programs) + "\\Ravo Info\\";
  RemoveTree(folder);

  e2e::Program setup(build + RV_SETUP_NAME, "/S /D=" + given, "");
  ASSERT_TRUE(setup.Started()) << build + RV_SETUP_NAME;
  ASSERT_TRUE(setup.WaitForExit(milliseconds(60000)));

  Files expected = FilesUnder(e2e::DistDirectory());
  expected.erase("Process\\RvProcesess.ini");  // the module's own, if it ran from the build
  expected.insert("Uninstall.exe");
  EXPECT_EQ(FilesUnder(installed), expected);
  EXPECT_TRUE(Exists(menu + "Ravo Info.lnk"));
  EXPECT_TRUE(Exists(menu + "Ravo Info Process.lnk"));

  const std::string uninstaller = installed + "Uninstall.exe";
  const std::pair<const char*, std::string> values[] = {
      {"DisplayName", "Ravo Info"},
      {"DisplayVersion", FileVersion(installed + "Process\\RvProcesess.exe")},
      {"Publisher", "Ravo"},
      {"DisplayIcon", uninstaller + ",0"},
      {"UninstallString", "\"" + uninstaller + "\""},
  };
  for (const auto& [name, value] : values) EXPECT_EQ(Registered(name), value) << name;
  EXPECT_GT(std::stoul(Registered("EstimatedSize").value_or("0")), 1000u);  // KB

  {
    e2e::Program base(installed + "RvInfo.exe", "", installed);
    HWND window = e2e::WaitForWindow("TProcesessFrm", 0, milliseconds(30000));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::WindowText(window), "Ravo Info Process");
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(base.WaitForExit(milliseconds(15000)));
  }
  EXPECT_TRUE(Exists(installed + "Process\\RvProcesess.ini"));

  e2e::Program uninstall(uninstaller, "/S", "");
  ASSERT_TRUE(uninstall.WaitForExit(milliseconds(30000)));
  // The uninstaller hands over to a copy of itself outside the folder and returns at once; the
  // folder goes last.
  for (int i = 0; i < 300 && Exists(folder); ++i) ::Sleep(100);
  EXPECT_FALSE(Exists(folder));
  EXPECT_FALSE(Exists(menu));
  EXPECT_EQ(Registered("DisplayName"), std::nullopt);
}

}  // namespace
