#pragma once
// What the end-to-end scenarios do to the suite from outside, as a user would: start programs,
// find their windows, read and answer message boxes, read window texts and list rows, click,
// and take screenshots.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

using std::chrono::milliseconds;

// A started program; ended through its own handle when it goes out of scope.
class Program {
 public:
  Program(const std::string& exe, const std::string& arguments, const std::string& directory);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD Id() const { return process_.dwProcessId; }
  bool WaitForExit(milliseconds timeout);
  bool Running() const;
  void Kill();

 private:
  PROCESS_INFORMATION process_{};
};

// The directory of the test programs (this one, rv_churn.exe), with a trailing separator.
std::string TestsDirectory();
// The directory the suite is laid out in (build/dist), with a trailing separator.
std::string DistDirectory();
// A fresh copy of the suite under build/e2e/<name>/, for scenarios that change files.
std::string CopySuite(const std::string& name, bool with_base_module);

// Top-level windows of a class (any class when empty) owned by any process whose id is in
// `processes` (all processes when empty).
std::vector<HWND> TopLevelWindows(const std::string& window_class, DWORD process = 0);
HWND WaitForWindow(const std::string& window_class, DWORD process, milliseconds timeout);

// Texts here are UTF-8, as inside the module. This one has Cyrillic, CJK, Latin-1 and an emoji
// beyond the 16-bit range: "Привет - 日本語 - café 😀".
inline constexpr char kEveryScript[] =
    "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 - \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E - "
    "caf\xC3\xA9 \xF0\x9F\x98\x80";
std::string Utf8(const std::wstring& wide);
std::wstring Wide(const std::string& utf8);

std::string WindowText(HWND window);
// The whole text of a control in another process (edit boxes), asked of the control itself.
std::string ControlText(HWND control);
std::string ClassName(HWND window);
std::vector<HWND> ChildWindows(HWND parent);
HWND ChildWithText(HWND parent, const std::string& text);
// The visible list boxes of a window, left to right.
std::vector<HWND> VisibleLists(HWND window);
// The next visible common dialog of `process` (save, print); null when none came in 15 s.
HWND VisibleDialog(DWORD process);
// `path` typed as the file name of the save dialog of `process`, and the dialog confirmed;
// false when no dialog came or it did not close.
bool SaveAs(DWORD process, const std::string& path);
// Rows of a list box in another process, read through the wide message as UTF-8 (the narrow
// message does not arrive intact across processes).
std::vector<std::string> ListRows(HWND list);

// Waits for `count` message boxes of `process` one after the other, reads each text and
// presses its default button. Fewer texts come back when time runs out.
std::vector<std::string> AnswerMessageBoxes(DWORD process, int count, milliseconds timeout);

// A program the scenarios act on: a window of its own and a process of its own.
inline constexpr char kNotepad[] = "C:\\windows\\system32\\notepad.exe";

// Polls `done` every 100 ms until it holds or the time is up; its last answer.
bool WaitFor(const std::function<bool()>& done, int timeout_ms);

// Waits for a message box of `process`, reads its text and presses `button` (IDOK, IDYES,
// IDNO); "<no message box>" when none came.
std::string AnswerMessageBox(DWORD process, int button);

// Waits for the priority menu to open, chooses its third item ("high") from the keyboard and
// waits for `process` to run at high priority; false when either does not come.
bool ChooseHighPriority(DWORD process);

// The first row of a list box in another process that `match` accepts; -1 when none does.
int ListRowWhere(HWND list, const std::function<bool(const std::string&)>& match);

// Clicks a list box row at `x` in its middle, as a user would: scrolled into view first, its
// place worked out from the list's own row heights below its first visible row.
void ClickListRow(HWND list, int row, int x);

// The texts of the message boxes open now, for a failure to tell what a program is waiting on.
std::string OpenMessageBoxes();

void Click(HWND window, int x, int y);
// Saves what the window shows as a 24-bit BMP file; false when that fails.
bool SaveScreenshot(HWND window, const std::string& path);

// What the window shows, row by row from the top, each pixel as a COLORREF; empty when the
// screen cannot be read.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colors;
  COLORREF At(int x, int y) const { return colors[static_cast<std::size_t>(y * width + x)]; }
};
Pixels ScreenPixels(HWND window);

// The system the driver runs on: a 32-bit program on a 64-bit system (WoW64), or a 9x-family
// system (as Wine presents itself with its version set to Windows 98).
bool In64BitSystem();
bool OnWin9xFamily();

// The processes tool help reports now: id and executable file name.
struct ProcessEntry {
  DWORD id;
  std::string name;
};
std::vector<ProcessEntry> ToolHelpProcesses();

// The 9x family's dynamic performance statistics, as the module reads its processor usage:
// PerfStats\StartStat, StatData and StopStat under HKEY_DYN_DATA, each with the 4-byte value
// KERNEL\CPUUsage, StatData's holding `usage`. They live as long as the wineserver.
bool WritePerfStats(DWORD usage);
void RemovePerfStats();

}  // namespace e2e
