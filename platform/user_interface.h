#pragma once
// The user32 operations the module uses: string resources, message boxes and the top-level
// window queries of the application list.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/geometry.h"
#include "platform/types.h"

namespace platform {

constexpr std::uint32_t kMbOk = 0x0;
constexpr std::uint32_t kMbYesNo = 0x4;
constexpr std::uint32_t kMbIconError = 0x10;
constexpr std::uint32_t kMbIconQuestion = 0x20;
constexpr std::uint32_t kMbIconWarning = 0x30;
constexpr std::uint32_t kMbIconInformation = 0x40;
constexpr std::uint32_t kMbTaskModal = 0x2000;

constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

constexpr int kGwlHwndParent = -8;
constexpr int kGwlExStyle = -20;
constexpr int kGclHIcon = -14;

// ShowWindow commands and the close message.
constexpr int kSwShowMaximized = 3;
constexpr int kSwShow = 5;
constexpr int kSwMinimize = 6;
constexpr int kSwRestore = 9;
constexpr std::uint32_t kWmClose = 0x0010;

constexpr std::uint32_t kWsExToolWindow = 0x80;
constexpr std::uint32_t kWsExAppWindow = 0x40000;

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // Copies string resource `id` of `module` as UTF-8 into `buffer` (`size` bytes with the NUL,
  // cut at a character boundary); returns the bytes copied, 0 when the resource is absent or
  // empty.
  virtual int LoadString(Handle module, std::uint32_t id, char* buffer, int size) = 0;

  // Shows a modal message box; returns the button pressed (kIdOk, kIdYes, ...).
  virtual int MessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                         std::uint32_t type) = 0;

  // Calls `callback` for each top-level window until it returns false.
  virtual void EnumWindows(const std::function<bool(WindowHandle)>& callback) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  // Window and class longs are pointer-sized: GetWindowLongPtrA and GetClassLongPtrA, which on the
  // 32-bit build are GetWindowLongA and GetClassLongA themselves.
  virtual std::intptr_t GetWindowLongA(WindowHandle window, int index) = 0;
  virtual WindowHandle GetDesktopWindow() = 0;
  // The title's first size - 1 characters as UTF-8 into `buffer` (`size` bytes with the NUL,
  // cut at a character boundary); returns the bytes copied, 0 on failure.
  virtual int GetWindowText(WindowHandle window, char* buffer, int size) = 0;
  virtual std::uintptr_t GetClassLongA(WindowHandle window, int index) = 0;
  // The id of the process that made the window; 0 for a window that is gone.
  virtual std::uint32_t GetWindowThreadProcessId(WindowHandle window) = 0;

  // Another program's window: its show state is changed without waiting for it, so a hung
  // program cannot hold this one up (ShowWindowAsync).
  virtual bool ShowWindowAsync(WindowHandle window, int command) = 0;
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  virtual bool PostMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                            std::intptr_t lparam) = 0;
  // The pointer's position on the screen.
  virtual Point GetCursorPos() = 0;
};

}  // namespace platform
