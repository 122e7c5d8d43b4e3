// Failures of handlers: noted inside the failing callback, shown later in a box of their own.
#include <algorithm>
#include "host/win32/window_calls.h"

#include "host/win32/window_host_windows.h"

namespace host::win32 {

void Win32WindowHost::ReportFailure(const std::string& what) noexcept {
  try {
    // Each failure is shown once: a handler that fails every second must not stack boxes.
    if (!reported_failures_.insert(what).second) return;
    pending_failures_.push_back(what);
    if (HWND owner = FailureOwner()) ::PostMessageA(owner, kShowFailuresMessage, 0, 0);
  } catch (...) {
    // Out of memory while noting a failure: nothing more can be done about it.
  }
}

void Win32WindowHost::ShowReportedFailures() {
  if (showing_failure_) return;  // the box below runs messages; one box at a time
  showing_failure_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{showing_failure_};
  while (!pending_failures_.empty()) {
    const std::string what = pending_failures_.front();
    pending_failures_.erase(pending_failures_.begin());
    HWND owner = FailureOwner();
    const std::string caption = owner ? WindowTextUtf8(owner) : std::string();
    MessageBoxUtf8(owner, what, caption, MB_OK | MB_ICONERROR);
  }
}

HWND Win32WindowHost::FailureOwner() const {
  HWND active = ::GetActiveWindow();
  if (std::find(form_windows_.begin(), form_windows_.end(), active) != form_windows_.end())
    return active;
  for (HWND window : form_windows_)
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) return window;
  return form_windows_.empty() ? nullptr : form_windows_.front();
}

void Win32WindowHost::FormWindowGone(HWND window) {
  std::erase(form_windows_, window);
}

}  // namespace host::win32
