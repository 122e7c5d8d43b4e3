#pragma once
// Gives a portable form and each of its components a real window: a top-level window of the
// form's class, a child window of our own class per component (a native list box for lists),
// each with its caption as window text. Paints components through the GDI canvas, forwards
// pointer input to them, and runs the message loop.
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "platform/window_host.h"
#include "ui/form.h"

namespace platform::win32 {

class Win32WindowHost : public platform::WindowHost, public ui::FormHost {
 public:
  explicit Win32WindowHost(HINSTANCE instance);
  ~Win32WindowHost() override;

  bool CreateWindows(ui::Form& form) override;
  void Show(ui::Form& form) override;
  int RunMessageLoop() override;

  void Close() override;
  void MinimizeApplication() override;

  HWND MainWindow() const { return main_window_; }

  struct ComponentWindow;
  struct ListRows;

 private:
  bool RegisterClasses(const ui::Form& form);
  bool CreateChildren(ui::Component& parent, HWND parent_window);

  HINSTANCE instance_;
  HWND main_window_ = nullptr;
  std::vector<std::unique_ptr<ComponentWindow>> windows_;
  std::vector<std::unique_ptr<ListRows>> rows_;
  std::vector<UniqueFont> fonts_;
};

}  // namespace platform::win32
