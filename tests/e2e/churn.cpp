// Keeps the system changing under a viewer that runs for a long time: starts processes that end
// a few seconds later, and opens, retitles and closes windows whose titles a viewer must take
// as they are (markup, entities, rich-text prefixes, 300 characters, every script).
//   rv_churn.exe [SECONDS]        churns for SECONDS (an hour by default), then exits
//   rv_churn.exe child MILLIS     one of the started processes: a window of its own for MILLIS
//   rv_churn.exe windows COUNT TITLE HANG_MS
//                                 COUNT windows titled TITLE that answer their messages for
//                                 HANG_MS, then never again (never stop when HANG_MS is -1)
#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kWindowClass[] = L"RvChurnWindow";
constexpr UINT kStepMs = 500;
constexpr int kStepsPerProcess = 4;  // a new process every two seconds
constexpr std::size_t kMostWindows = 6;

const std::vector<std::string>& Titles() {
  static const std::vector<std::string> titles = {
      "<B>x</B>",
      "Fish &amp; Chips &lt;tm&gt;",
      "{\\rtf1 not rich}",
      "{\\",
      std::string(300, 'W'),
      "<I>" + std::string(296, 'i'),
      "churn & co <u>under</u> \\ {",
      "",
      "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 - \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E - "
      "caf\xC3\xA9 \xF0\x9F\x98\x80",
  };
  return titles;
}

// The windows are wide, so a viewer reads their titles in every script.
std::wstring Wide(const std::string& utf8) {
  std::wstring wide(utf8.size() + 1, L'\0');
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(),
                                      static_cast<int>(wide.size()));
  wide.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0);
  return wide;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::DefWindowProcW(window, message, wparam, lparam);
}

void RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kWindowClass;
  ::RegisterClassW(&wc);
}

HWND OpenWindow(HINSTANCE instance, const std::wstring& title, int slot) {
  HWND window =
      ::CreateWindowW(kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, 620 + 20 * (slot % 8),
                      400 + 20 * (slot % 8), 300, 120, nullptr, nullptr, instance, nullptr);
  if (window) ::ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

void StartChild(const std::string& self, int millis) {
  std::string command = "\"" + self + "\" child " + std::to_string(millis);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (::CreateProcessA(self.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
}

void PumpUntil(DWORD end) {
  MSG msg;
  while (static_cast<int>(end - ::GetTickCount()) > 0) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, end - ::GetTickCount(), QS_ALLINPUT);
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

int Child(HINSTANCE instance, int millis) {
  RegisterWindowClass(instance);
  HWND window = OpenWindow(
      instance, Wide(Titles()[static_cast<std::size_t>(millis) % Titles().size()]), millis / 100);
  PumpUntil(::GetTickCount() + static_cast<DWORD>(millis));
  if (window) ::DestroyWindow(window);
  return 0;
}

int Windows(HINSTANCE instance, int count, const std::wstring& title, int hang_ms) {
  RegisterWindowClass(instance);
  for (int i = 0; i < count; ++i) OpenWindow(instance, title, i);
  if (hang_ms < 0)
    for (;;) PumpUntil(::GetTickCount() + 60000);
  PumpUntil(::GetTickCount() + static_cast<DWORD>(hang_ms));
  ::Sleep(INFINITE);  // a thread that no longer takes its messages: its windows hang
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  if (argc > 2 && std::string(argv[1]) == "child") return Child(instance, std::atoi(argv[2]));
  if (argc > 4 && std::string(argv[1]) == "windows") {
    // The title as the wide command line holds it: the narrow one has only the code page.
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    const std::wstring title = wide && count > 3 ? wide[3] : Wide(argv[3]);
    return Windows(instance, std::atoi(argv[2]), title, std::atoi(argv[4]));
  }
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 3600;
  char self[MAX_PATH];
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  RegisterWindowClass(instance);

  std::vector<HWND> windows;
  const DWORD end = ::GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  for (unsigned step = 0; static_cast<int>(end - ::GetTickCount()) > 0; ++step) {
    const std::vector<std::string>& titles = Titles();
    if (step % kStepsPerProcess == 0) StartChild(self, 3000 + static_cast<int>(step % 5) * 1000);
    // Open, retitle, retitle, close: the window set changes every step.
    switch (step % 4) {
      case 0:
        if (windows.size() < kMostWindows)
          if (HWND w = OpenWindow(instance, Wide(titles[step % titles.size()]),
                                  static_cast<int>(windows.size())))
            windows.push_back(w);
        break;
      case 1:
      case 2:
        if (!windows.empty())
          ::SetWindowTextW(windows[step % windows.size()],
                           Wide(titles[(step * 3 + 1) % titles.size()]).c_str());
        break;
      case 3:
        if (windows.size() > 2) {
          ::DestroyWindow(windows.front());
          windows.erase(windows.begin());
        }
        break;
    }
    PumpUntil(::GetTickCount() + kStepMs);
  }
  for (HWND w : windows) ::DestroyWindow(w);
  return 0;
}
