#include "tests/e2e/driver.h"

#include <tlhelp32.h>

#include "tests/win32/bmp_file.h"

#include <algorithm>
#include <fstream>

namespace e2e {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

std::string OwnDirectory() {
  char path[MAX_PATH + 1];
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  return dir.substr(0, dir.find_last_of('\\') + 1);
}

}  // namespace

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
  return utf8;
}

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

namespace {

void Pause() {
  ::Sleep(50);
}

struct EnumContext {
  std::string window_class;
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
  auto* c = reinterpret_cast<EnumContext*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (c->process != 0 && owner != c->process) return TRUE;
  if (!c->window_class.empty() && ClassName(window) != c->window_class) return TRUE;
  c->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

void CopyOrFail(const std::string& from, const std::string& to) {
  ::CopyFileA(from.c_str(), to.c_str(), FALSE);
}

void MakeDirectories(const std::string& path) {
  for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    ::CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  ::CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveFilesIn(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      ::DeleteFileA((dir + found.cFileName).c_str());
  } while (::FindNextFileA(find, &found));
  ::FindClose(find);
}

}  // namespace

Program::Program(const std::string& exe, const std::string& arguments,
                 const std::string& directory) {
  std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  const bool ascii = std::all_of(command.begin(), command.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          directory.empty() ? nullptr : directory.c_str(), &startup, &process_))
      process_ = {};
    return;
  }
  // A name or an argument beyond ASCII: the wide call takes it as written.
  std::wstring wide = Wide(command);
  const std::wstring wide_directory = Wide(directory);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!::CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : wide_directory.c_str(), &startup, &process_))
    process_ = {};
}

Program::~Program() {
  Kill();
  if (process_.hThread) ::CloseHandle(process_.hThread);
  if (process_.hProcess) ::CloseHandle(process_.hProcess);
}

bool Program::WaitForExit(milliseconds timeout) {
  if (!process_.hProcess) return true;
  return ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
         WAIT_OBJECT_0;
}

bool Program::Running() const {
  return process_.hProcess && ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void Program::Kill() {
  if (Running()) {
    ::TerminateProcess(process_.hProcess, 99);
    ::WaitForSingleObject(process_.hProcess, 5000);
  }
}

std::string TestsDirectory() {
  return OwnDirectory();
}

std::string DistDirectory() {
  // The build folder's sibling: dist for the 32-bit build, dist64 for the 64-bit one.
  return OwnDirectory() + "..\\..\\" RV_DIST_NAME "\\";
}

std::string CopySuite(const std::string& name, bool with_base_module) {
  const std::string from = DistDirectory();
  const std::string root = OwnDirectory() + "..\\..\\e2e\\" + name + "\\";
  MakeDirectories(root + "Process");
  RemoveFilesIn(root);
  RemoveFilesIn(root + "Process\\");
  if (with_base_module) CopyOrFail(from + "RvInfo.exe", root + "RvInfo.exe");
  CopyOrFail(from + "Process\\RvProcesess.exe", root + "Process\\RvProcesess.exe");
  for (const char* code : {"CSY", "DE", "EN", "ES", "FR", "IT", "RUS"}) {
    const std::string dll = std::string("Process\\RvProcesess") + code + ".dll";
    CopyOrFail(from + dll, root + dll);
  }
  return root;
}

std::vector<HWND> TopLevelWindows(const std::string& window_class, DWORD process) {
  EnumContext context{window_class, process, {}};
  ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&context));
  return context.found;
}

HWND WaitForWindow(const std::string& window_class, DWORD process, milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    for (HWND w : TopLevelWindows(window_class, process))
      if (::IsWindowVisible(w)) return w;
    Pause();
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  wchar_t text[1024];
  int n = ::GetWindowTextW(window, text, 1024);
  return Utf8(std::wstring(text, n > 0 ? n : 0));
}

std::string ControlText(HWND control) {
  const LRESULT length = ::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring wide(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
  ::SendMessageW(control, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(wcslen(wide.c_str()));
  return Utf8(wide);
}

std::string ClassName(HWND window) {
  char name[256];
  int n = ::GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? n : 0);
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ChildWithText(HWND parent, const std::string& text) {
  for (HWND child : ChildWindows(parent))
    if (WindowText(child) == text) return child;
  return nullptr;
}

std::vector<std::string> ListRows(HWND list) {
  std::vector<std::string> rows;
  const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, i, 0);
    std::wstring wide(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(wcslen(wide.c_str()));
    rows.push_back(Utf8(wide));
  }
  return rows;
}

std::vector<std::string> AnswerMessageBoxes(DWORD process, int count, milliseconds timeout) {
  std::vector<std::string> texts;
  std::vector<HWND> answered;
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (static_cast<int>(texts.size()) < count && std::chrono::steady_clock::now() < end) {
    for (HWND box : TopLevelWindows("#32770", process)) {
      if (std::find(answered.begin(), answered.end(), box) != answered.end()) continue;
      HWND text = ::GetDlgItem(box, kMessageBoxTextId);
      if (!text || !::IsWindowVisible(box)) continue;
      texts.push_back(WindowText(text));
      answered.push_back(box);
      ::PostMessageA(box, WM_COMMAND, IDOK, 0);
      break;
    }
    Pause();
  }
  return texts;
}

bool WaitFor(const std::function<bool()>& done, int timeout_ms) {
  for (int waited = 0; waited < timeout_ms; waited += 100) {
    if (done()) return true;
    ::Sleep(100);
  }
  return done();
}

bool ChooseHighPriority(DWORD process) {
  HWND menu = nullptr;
  if (!WaitFor([&] { return (menu = ::FindWindowA("#32768", nullptr)) != nullptr; }, 5000))
    return false;
  for (int i = 0; i < 3; ++i) ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  const HANDLE handle = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process);
  if (handle == nullptr) return false;
  const bool high =
      WaitFor([&] { return ::GetPriorityClass(handle) == HIGH_PRIORITY_CLASS; }, 5000);
  ::CloseHandle(handle);
  return high;
}

std::string AnswerMessageBox(DWORD process, int button) {
  std::string text = "<no message box>";
  WaitFor(
      [&] {
        for (HWND box : TopLevelWindows("#32770", process)) {
          HWND label = ::GetDlgItem(box, kMessageBoxTextId);
          if (!label || !::IsWindowVisible(box)) continue;
          text = WindowText(label);
          ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
          return true;
        }
        return false;
      },
      15000);
  return text;
}

int ListRowWhere(HWND list, const std::function<bool(const std::string&)>& match) {
  const std::vector<std::string> rows = ListRows(list);
  const auto it = std::find_if(rows.begin(), rows.end(), match);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

void ClickListRow(HWND list, int row, int x) {
  auto height = [&](int r) {
    return static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, r, 0));
  };
  auto top_of_row = [&] {
    int y = 0;
    const int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    for (int r = top; r < row; ++r) y += height(r);
    return y;
  };
  RECT client;
  ::GetClientRect(list, &client);
  if (top_of_row() + height(row) > client.bottom) {
    ::SendMessageA(list, LB_SETTOPINDEX, row, 0);
    ::Sleep(200);
  }
  // The last rows of a list may stay partly below its edge: the part in sight is clicked.
  const int top = top_of_row();
  Click(list, x,
        std::min(top + height(row) / 2, std::max(top, static_cast<int>(client.bottom) - 2)));
}

std::string OpenMessageBoxes() {
  std::string texts;
  for (HWND box : TopLevelWindows("#32770", 0))
    if (::IsWindowVisible(box))
      texts +=
          " [" + WindowText(box) + ": " + WindowText(::GetDlgItem(box, kMessageBoxTextId)) + "]";
  return texts.empty() ? " (no message box open)" : texts;
}

std::vector<HWND> VisibleLists(HWND window) {
  std::vector<HWND> lists;
  for (HWND child : ChildWindows(window))
    if (_stricmp(ClassName(child).c_str(), "ListBox") == 0 && ::IsWindowVisible(child))
      lists.push_back(child);
  auto left_edge = [](HWND w) {
    RECT r;
    ::GetWindowRect(w, &r);
    return r.left;
  };
  std::sort(lists.begin(), lists.end(),
            [&](HWND a, HWND b) { return left_edge(a) < left_edge(b); });
  return lists;
}

HWND VisibleDialog(DWORD process) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w : TopLevelWindows("#32770", process))
          if (::IsWindowVisible(w)) found = w;
        return found != nullptr;
      },
      15000);
  return found;
}

bool SaveAs(DWORD process, const std::string& path) {
  HWND dialog = VisibleDialog(process);
  if (!dialog) return false;
  HWND name_box = ::GetDlgItem(dialog, 0x47C);  // cmb13, the file name
  if (!name_box) name_box = ::GetDlgItem(dialog, 0x480);
  if (!name_box) return false;
  ::SendMessageW(name_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
  ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  return WaitFor([&] { return !::IsWindow(dialog); }, 10000);
}

void Click(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageA(window, WM_MOUSEMOVE, 0, at);
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(window, WM_LBUTTONUP, 0, at);
}

namespace {

// A copy of what the screen shows under a window, in a bitmap of the screen's format.
class ScreenCopy {
 public:
  explicit ScreenCopy(HWND window) {
    RECT r;
    if (!::GetWindowRect(window, &r)) return;
    width = r.right - r.left;
    height = r.bottom - r.top;
    screen = ::GetDC(nullptr);
    memory = ::CreateCompatibleDC(screen);
    bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(memory, old);
  }
  ~ScreenCopy() {
    if (bitmap) ::DeleteObject(bitmap);
    if (memory) ::DeleteDC(memory);
    if (screen) ::ReleaseDC(nullptr, screen);
  }
  ScreenCopy(const ScreenCopy&) = delete;
  ScreenCopy& operator=(const ScreenCopy&) = delete;

  int width = 0;
  int height = 0;
  HDC screen = nullptr;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
};

HKEY CreateVolatileKey(const char* path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_DYN_DATA, path, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

constexpr const char* kPerfStatsKeys[] = {"PerfStats\\StartStat", "PerfStats\\StatData",
                                          "PerfStats\\StopStat"};

}  // namespace

bool SaveScreenshot(HWND window, const std::string& path) {
  ScreenCopy copy(window);
  return copy.bitmap &&
         test_support::SaveBmp(copy.memory, copy.bitmap, copy.width, copy.height, path);
}

Pixels ScreenPixels(HWND window) {
  ScreenCopy copy(window);
  if (!copy.bitmap) return {};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = copy.width;
  info.biHeight = -copy.height;  // top row first
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  std::vector<DWORD> bgr(static_cast<std::size_t>(copy.width * copy.height));
  if (!::GetDIBits(copy.memory, copy.bitmap, 0, copy.height, bgr.data(),
                   reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    return {};
  Pixels pixels{copy.width, copy.height, {}};
  pixels.colors.reserve(bgr.size());
  for (DWORD p : bgr) pixels.colors.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  return pixels;
}

bool In64BitSystem() {
  // Bound by name: the oldest systems the suite runs on do not have it.
  using IsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
  auto is_wow64 = reinterpret_cast<IsWow64Process>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  return is_wow64 && is_wow64(::GetCurrentProcess(), &wow64) && wow64;
}

bool OnWin9xFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

std::vector<ProcessEntry> ToolHelpProcesses() {
  std::vector<ProcessEntry> processes;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return processes;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot, &entry); more;
       more = ::Process32Next(snapshot, &entry)) {
    // The 9x family gives the whole path; both give it in the code page.
    wchar_t wide[MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, entry.szExeFile, -1, wide, MAX_PATH);
    const std::string path = Utf8(wide);
    processes.push_back({entry.th32ProcessID, path.substr(path.find_last_of("\\:") + 1)});
  }
  ::CloseHandle(snapshot);
  return processes;
}

bool WritePerfStats(DWORD usage) {
  // A binary value, least significant byte first, as the system keeps the statistic.
  const BYTE bytes[4] = {static_cast<BYTE>(usage), static_cast<BYTE>(usage >> 8),
                         static_cast<BYTE>(usage >> 16), static_cast<BYTE>(usage >> 24)};
  bool written = true;
  for (const char* path : kPerfStatsKeys) {
    HKEY key = CreateVolatileKey(path);
    written = written && key &&
              ::RegSetValueExA(key, "KERNEL\\CPUUsage", 0, REG_BINARY, bytes, sizeof bytes) ==
                  ERROR_SUCCESS;
    if (key) ::RegCloseKey(key);
  }
  return written;
}

void RemovePerfStats() {
  for (const char* path : kPerfStatsKeys) ::RegDeleteKeyA(HKEY_DYN_DATA, path);
  ::RegDeleteKeyA(HKEY_DYN_DATA, "PerfStats");
}

}  // namespace e2e
