#pragma once
// No exception may cross into the system's frames: with this toolchain's unwinding, one that
// reaches user32 ends the program at once. Every callback the system calls (window procedures,
// timers, enumerations) runs its body through Guarded, which catches everything and hands the
// failure to the reporter the program installed.
#include <exception>
#include <string>

namespace host::win32 {

class FailureReporter {
 public:
  virtual ~FailureReporter() = default;
  // Called on the user-interface thread from inside a callback; must not throw, and must not
  // show anything from there (the failing code may be painting): it only takes note.
  virtual void ReportFailure(const std::string& what) noexcept = 0;
};

// The text a failure is reported with.
std::string DescribeFailure(std::exception_ptr failure);

// Runs `body`; true when it returned, false when it threw (the failure is reported when a
// reporter is given).
template <typename Body>
bool Guarded(FailureReporter* reporter, Body&& body) noexcept {
  try {
    body();
    return true;
  } catch (...) {
    if (reporter) reporter->ReportFailure(DescribeFailure(std::current_exception()));
    return false;
  }
}

}  // namespace host::win32
