#include "tests/fakes/fake_user_interface.h"

#include <algorithm>
#include <cstring>

namespace fakes {

std::vector<std::string> FakeUserInterface::MessageTexts() const {
  std::vector<std::string> texts;
  for (const MessageRecord& m : messages) texts.push_back(m.text);
  return texts;
}

int FakeUserInterface::LoadString(platform::Handle module, std::uint32_t id, char* buffer,
                                  int size) {
  if (Fails("LoadString")) return 0;
  auto it = strings.find({module, id});
  if (it == strings.end() || it->second.empty() || size <= 0) return 0;
  int n = std::min<int>(static_cast<int>(it->second.size()), size - 1);
  std::memcpy(buffer, it->second.data(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return n;
}

int FakeUserInterface::MessageBox(platform::WindowHandle, const std::string& text,
                                  const std::string& caption, std::uint32_t type) {
  if (Fails("MessageBox")) return 0;
  messages.push_back({text, caption, type});
  if (on_message_box) on_message_box();
  if (answers.empty()) return platform::kIdOk;
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeUserInterface::EnumWindows(const std::function<bool(platform::WindowHandle)>& callback) {
  if (Fails("EnumWindows")) return;
  ++enum_windows_calls;
  for (const FakeWindow& w : windows)
    if (!callback(w.handle)) break;
}

bool FakeUserInterface::IsWindowVisible(platform::WindowHandle window) {
  if (Fails("IsWindowVisible")) return false;
  const FakeWindow* w = Find(window);
  return w && w->visible;
}

std::intptr_t FakeUserInterface::GetWindowLongA(platform::WindowHandle window, int index) {
  if (Fails("GetWindowLongA")) return 0;
  const FakeWindow* w = Find(window);
  if (!w) return 0;
  if (index == platform::kGwlHwndParent) return static_cast<std::intptr_t>(w->owner);
  if (index == platform::kGwlExStyle) return static_cast<std::intptr_t>(w->ex_style);
  return 0;
}

platform::WindowHandle FakeUserInterface::GetDesktopWindow() {
  return kDesktop;
}

int FakeUserInterface::GetWindowText(platform::WindowHandle window, char* buffer, int size) {
  if (Fails("GetWindowText")) return 0;
  const FakeWindow* w = Find(window);
  if (!w || size <= 0) return 0;
  int n = std::min<int>(static_cast<int>(w->title.size()), size - 1);
  std::memcpy(buffer, w->title.data(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return n;
}

std::uint32_t FakeUserInterface::GetWindowThreadProcessId(platform::WindowHandle window) {
  if (Fails("GetWindowThreadProcessId")) return 0;
  const FakeWindow* w = Find(window);
  return w ? w->process_id : 0;
}

std::uintptr_t FakeUserInterface::GetClassLongA(platform::WindowHandle window, int index) {
  if (Fails("GetClassLongA")) return 0;
  const FakeWindow* w = Find(window);
  if (!w || index != platform::kGclHIcon) return 0;
  return w->class_icon;
}

const FakeWindow* FakeUserInterface::Find(platform::WindowHandle window) const {
  auto it = std::find_if(windows.begin(), windows.end(),
                         [&](const FakeWindow& w) { return w.handle == window; });
  return it == windows.end() ? nullptr : &*it;
}

bool FakeUserInterface::ShowWindowAsync(platform::WindowHandle window, int command) {
  if (Fails("ShowWindowAsync")) return false;
  window_calls.push_back("ShowWindowAsync(" + std::to_string(window) + "," +
                         std::to_string(command) + ")");
  return true;
}

bool FakeUserInterface::SetForegroundWindow(platform::WindowHandle window) {
  if (Fails("SetForegroundWindow")) return false;
  window_calls.push_back("SetForegroundWindow(" + std::to_string(window) + ")");
  return true;
}

bool FakeUserInterface::PostMessageA(platform::WindowHandle window, std::uint32_t message,
                                     std::uintptr_t, std::intptr_t) {
  if (Fails("PostMessageA")) return false;
  window_calls.push_back("PostMessageA(" + std::to_string(window) + "," + std::to_string(message) +
                         ")");
  return true;
}

}  // namespace fakes
