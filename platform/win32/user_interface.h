#pragma once
#include "platform/user_interface.h"

namespace platform::win32 {

class Win32UserInterface : public platform::UserInterface {
 public:
  int LoadString(Handle module, std::uint32_t id, char* buffer, int size) override;
  int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                 std::uint32_t type) override;
  void EnumWindows(const std::function<bool(WindowHandle)>& callback) override;
  bool IsWindowVisible(WindowHandle window) override;
  std::intptr_t GetWindowLongA(WindowHandle window, int index) override;
  WindowHandle GetDesktopWindow() override;
  int GetWindowText(WindowHandle window, char* buffer, int size) override;
  std::uint32_t GetWindowThreadProcessId(WindowHandle window) override;
  std::uintptr_t GetClassLongA(WindowHandle window, int index) override;
  bool ShowWindowAsync(WindowHandle window, int command) override;
  bool SetForegroundWindow(WindowHandle window) override;
  bool PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t lparam) override;
  Point GetCursorPos() override;
};

}  // namespace platform::win32
