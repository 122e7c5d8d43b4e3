// Stand-in for the suite's mail module: shows what a report hand-off delivered, its arguments
// and the text of every file it names, so a user sees the report arrive and a test can read it.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr char kClassName[] = "TRvIMailFrm";
constexpr char kTitle[] = "Ravo Info Mail";
constexpr int kViewId = 100;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "(cannot be read)\r\n";
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// One block per argument; an argument naming a file is followed by the file's text.
std::string HandOffText() {
  std::ostringstream text;
  text << "Arguments: " << (__argc - 1) << "\r\n";
  for (int i = 1; i < __argc; ++i) {
    const std::string argument = __argv[i];
    text << "[" << i << "] \"" << argument << "\"\r\n";
    const DWORD attributes = ::GetFileAttributesA(argument.c_str());
    if (!argument.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
      text << "----- " << argument << " -----\r\n" << FileText(argument) << "\r\n";
  }
  return text.str();
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: {
      HWND view = ::CreateWindowExA(
          WS_EX_CLIENTEDGE, "EDIT", HandOffText().c_str(),
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0,
          window, reinterpret_cast<HMENU>(kViewId), nullptr, nullptr);
      ::SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(ANSI_FIXED_FONT)),
                     FALSE);
      return 0;
    }
    case WM_SIZE:
      ::MoveWindow(::GetDlgItem(window, kViewId), 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClassName;
  if (!::RegisterClassA(&wc)) return 1;
  HWND window = ::CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ::ShowWindow(window, show);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
