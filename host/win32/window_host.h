#pragma once
// Gives each portable form a top-level window and each of its components a child window: one of
// our own class, or a native list box or edit box by the component's kind, each with its caption
// as window text. Paints our windows through the GDI canvas, forwards input to the components,
// runs the message loop and the modal loops, and reports failed handlers. Each form owns its
// windows, so the host holds nothing that outlives a form.
#include "platform/win32/system_headers.h"

#include <set>
#include <string>
#include <vector>

#include "host/win32/callback_guard.h"
#include "host/window_host.h"
#include "platform/win32/gdi_resources.h"

namespace host::win32 {

class Win32WindowHost : public host::WindowHost, public FailureReporter {
 public:
  explicit Win32WindowHost(HINSTANCE instance);
  ~Win32WindowHost() override = default;
  Win32WindowHost(const Win32WindowHost&) = delete;
  Win32WindowHost& operator=(const Win32WindowHost&) = delete;

  // ui::FormHost
  bool CreateWindows(ui::Form& form) override;
  void Show(ui::Form& form) override;
  void RunModal(ui::Form& form) override;
  void Close(ui::Form& form) override;
  void Minimize(ui::Form& form) override;
  int TrackPopupMenu(ui::Form& form, const std::vector<std::string>& items,
                     platform::Point screen) override;
  void Quit(int exit_code) override;

  // host::WindowHost
  int RunMessageLoop() override;

  // FailureReporter: the failure is shown once, later, in a box owned by the active form.
  void ReportFailure(const std::string& what) noexcept override;
  // Shows the failures reported so far (the host's own posted message does this).
  void ShowReportedFailures();
  // A form's window was destroyed.
  void FormWindowGone(HWND window);

  platform::win32::FontCache& Fonts() { return fonts_; }
  platform::win32::BackBuffer& Back() { return back_; }
  HINSTANCE Instance() const { return instance_; }

  struct ComponentWindow;
  struct FormWindows;

 private:
  bool RegisterClasses(const ui::Form& form);
  bool CreateChildren(FormWindows& windows, ui::Component& parent, HWND parent_window);
  static HWND WindowOf(const ui::Form& form);
  // Tab and Shift+Tab on one of our windows move the focus to the next or previous tab stop of
  // its form; true when the message was such a key.
  static bool TabKey(const MSG& message);
  // The form window a failure box belongs to: the active one of ours, else the first shown.
  HWND FailureOwner() const;

  HINSTANCE instance_;
  platform::win32::FontCache fonts_;
  platform::win32::BackBuffer back_;
  std::vector<HWND> form_windows_;  // in creation order
  std::vector<std::string> pending_failures_;
  std::set<std::string> reported_failures_;
  bool showing_failure_ = false;
};

}  // namespace host::win32
