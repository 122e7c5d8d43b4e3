#pragma once
// A scriptable user32: string tables per module, message boxes that answer from a queue, and a
// set of top-level windows for the application list.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/user_interface.h"
#include "tests/fakes/call_failer.h"

namespace fakes {

struct MessageRecord {
  std::string text;
  std::string caption;
  std::uint32_t type = 0;
};

struct FakeWindow {
  platform::WindowHandle handle = 0;
  std::string title;
  bool visible = true;
  platform::WindowHandle owner = 0;
  std::uint32_t ex_style = 0;
  platform::IconHandle class_icon = 0;
  std::uint32_t process_id = 0;
};

class FakeUserInterface : public platform::UserInterface, public Failable {
 public:
  static constexpr platform::WindowHandle kDesktop = 0x10010;

  // --- the scripted system ---
  std::map<std::pair<platform::Handle, std::uint32_t>, std::string> strings;
  std::deque<int> answers;  // buttons pressed, in order; kIdOk once they run out
  // Runs while a box is open, as the refresh timer does while the user reads it.
  std::function<void()> on_message_box;
  std::vector<FakeWindow> windows;

  // --- what was asked ---
  std::vector<MessageRecord> messages;
  int enum_windows_calls = 0;
  // Window actions asked for: "ShowWindowAsync(16,9)", "SetForegroundWindow(16)",
  // "PostMessageA(16,16)".
  std::vector<std::string> window_calls;
  platform::Point cursor{300, 200};

  std::vector<std::string> MessageTexts() const;

  // platform::UserInterface
  int LoadString(platform::Handle module, std::uint32_t id, char* buffer, int size) override;
  int MessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                 std::uint32_t type) override;
  void EnumWindows(const std::function<bool(platform::WindowHandle)>& callback) override;
  bool IsWindowVisible(platform::WindowHandle window) override;
  std::intptr_t GetWindowLongA(platform::WindowHandle window, int index) override;
  platform::WindowHandle GetDesktopWindow() override;
  int GetWindowText(platform::WindowHandle window, char* buffer, int size) override;
  std::uint32_t GetWindowThreadProcessId(platform::WindowHandle window) override;
  std::uintptr_t GetClassLongA(platform::WindowHandle window, int index) override;
  bool ShowWindowAsync(platform::WindowHandle window, int command) override;
  bool SetForegroundWindow(platform::WindowHandle window) override;
  bool PostMessageA(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t lparam) override;
  platform::Point GetCursorPos() override { return cursor; }

 private:
  const FakeWindow* Find(platform::WindowHandle window) const;
};

}  // namespace fakes
