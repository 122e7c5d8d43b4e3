// The process browser used from outside: the lists follow the system, the detail lines of a
// process and of an application window act on them for real.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;

using e2e::kNotepad;
using e2e::WaitFor;

void ClickRow(HWND list, int row) {
  e2e::ClickListRow(list, row, 120);
}

int RowStartingWith(HWND list, const std::string& text) {
  return e2e::ListRowWhere(list, [&](const std::string& row) { return row.rfind(text, 0) == 0; });
}

// The row of the `n`-th row (from 0) reading `text`; -1 when there are fewer.
int NthRow(HWND list, const std::string& text, int n) {
  const std::vector<std::string> rows = e2e::ListRows(list);
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i] == text && n-- == 0) return static_cast<int>(i);
  return -1;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The rows of the processes section: those below its header, as it is the list's last section.
std::vector<std::string> ProcessRows(HWND left) {
  const std::vector<std::string> rows = e2e::ListRows(left);
  const auto header = std::find_if(rows.begin(), rows.end(), [](const std::string& row) {
    return row.rfind("Processes", 0) == 0;
  });
  return header == rows.end() ? std::vector<std::string>{}
                              : std::vector<std::string>(header + 1, rows.end());
}

// The processes section lists what tool help reports. Processes start and end between the
// reads, so every process reported both before and after the list was read must be listed, and
// no name may be listed more often than tool help reported it at either read.
::testing::AssertionResult ListsEveryToolHelpProcess(HWND left) {
  const std::vector<e2e::ProcessEntry> before = e2e::ToolHelpProcesses();
  const std::vector<std::string> rows = ProcessRows(left);
  const std::vector<e2e::ProcessEntry> after = e2e::ToolHelpProcesses();
  std::map<DWORD, std::string> seen, earlier;
  std::map<std::string, int> listed, stable, reported;
  for (const e2e::ProcessEntry& p : before) seen[p.id] = earlier[p.id] = Lower(p.name);
  for (const e2e::ProcessEntry& p : after) {
    const std::string name = Lower(p.name);
    if (earlier.count(p.id) && earlier[p.id] == name) ++stable[name];
    seen.emplace(p.id, name);
  }
  for (const auto& entry : seen) ++reported[entry.second];
  for (const std::string& row : rows) ++listed[Lower(row)];
  std::string wrong;
  for (const auto& [name, count] : stable)
    if (listed[name] < count)
      wrong += " " + name + " listed " + std::to_string(listed[name]) + " of " +
               std::to_string(count) + ";";
  for (const auto& [name, count] : listed)
    if (count > reported[name])
      wrong += " " + name + " listed " + std::to_string(count) + ", reported " +
               std::to_string(reported[name]) + ";";
  const std::string counts = std::to_string(rows.size()) + " listed, tool help " +
                             std::to_string(before.size()) + " then " +
                             std::to_string(after.size());
  if (!wrong.empty()) return ::testing::AssertionFailure() << counts << ":" << wrong;
  return ::testing::AssertionSuccess() << counts;
}

HWND WindowOf(DWORD process) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND w : e2e::TopLevelWindows("", process))
          if (::IsWindowVisible(w) && !e2e::WindowText(w).empty()) found = w;
        return found != nullptr;
      },
      15000);
  return found;
}

struct BrowserScenario : ::testing::Test {
  void SetUp() override {
    suite = e2e::CopySuite("browser", true);
    ::WritePrivateProfileStringA("Options", "Language", "EN",
                                 (suite + "Process\\RvProcesess.ini").c_str());
    base = std::make_unique<e2e::Program>(suite + "RvInfo.exe", "", suite);
    ASSERT_TRUE(base->Started());
    main = e2e::WaitForWindow("TProcesessFrm", 0, milliseconds(30000));
    ASSERT_NE(main, nullptr);
    ::GetWindowThreadProcessId(main, &module);
    const std::vector<HWND> lists = e2e::VisibleLists(main);
    ASSERT_EQ(lists.size(), 2u);
    left = lists[0];
    detail = lists[1];
  }
  void TearDown() override {
    if (main) ::PostMessageA(main, WM_CLOSE, 0, 0);
    if (base) base->WaitForExit(milliseconds(10000));
  }
  // Expands a section of the left list by clicking its header.
  void Expand(const char* caption) {
    const int row = RowStartingWith(left, caption);
    ASSERT_GE(row, 0) << caption;
    ClickRow(left, row);
    ASSERT_TRUE(WaitFor([&] { return RowStartingWith(detail, caption) == 0; }, 5000)) << caption;
  }
  // Clicks `item` in the left list, which opens its detail section; answers the detail row of
  // the section's first line, -1 when it did not open.
  int OpenDetail(const std::string& item) {
    int row = -1;
    // A refresh tick lists the item first.
    WaitFor(
        [&] {
          row = e2e::ListRowWhere(left, [&](const std::string& r) { return r == item; });
          return row >= 0;
        },
        4000);
    if (row < 0) return -1;
    ClickRow(left, row);
    int header = -1;
    WaitFor(
        [&] {
          header = e2e::ListRowWhere(detail, [&](const std::string& r) { return r == item; });
          return header >= 0 && static_cast<int>(e2e::ListRows(detail).size()) > header + 1 &&
                 RowStartingWith(detail, item) == header;
        },
        5000);
    return header < 0 ? -1 : header + 1;
  }
  // Opens the detail of the one notepad running and checks its path (lower case) and id;
  // answers its first line, -1 when it did not open.
  int OpenNotepad(const std::string& path, const std::string& id_text) {
    const int line = OpenDetail("notepad.exe");
    if (line <= 0) return -1;
    const std::vector<std::string> rows = e2e::ListRows(detail);
    if (rows.size() < static_cast<std::size_t>(line + 9)) return -1;
    EXPECT_NE(Lower(rows[line + 1]).find(path), std::string::npos) << rows[line + 1];
    EXPECT_NE(rows[line + 2].find(id_text), std::string::npos) << rows[line + 2];
    return line;
  }
  // Once a refresh tick has caught up, the processes section (expanded) lists every process.
  void ExpectListsEveryToolHelpProcess() {
    WaitFor([&] { return static_cast<bool>(ListsEveryToolHelpProcess(left)); }, 5000);
    const ::testing::AssertionResult listed = ListsEveryToolHelpProcess(left);
    EXPECT_TRUE(listed);
    std::printf("processes: %s\n", listed.message());
  }
  // The detail row of the first line of `item`'s section as the list stands now: a tick may
  // have moved it since the section opened.
  int FirstLineOf(const std::string& item) {
    const int header = e2e::ListRowWhere(detail, [&](const std::string& r) { return r == item; });
    return header < 0 ? -1 : header + 1;
  }
  // The row of the action line reading `text` in the section whose first line is `first`.
  int ActionRow(int first, const std::string& text) {
    const std::vector<std::string> rows = e2e::ListRows(detail);
    for (std::size_t row = static_cast<std::size_t>(std::max(first, 0)); row < rows.size(); ++row)
      if (rows[row].find("<U>" + text + "</U>") != std::string::npos) return static_cast<int>(row);
    return -1;
  }
  // Chooses "Vysoka", the menu's third item and the high class, for notepad's open detail
  // section, then terminates it, answering Yes: it ends and leaves the list.
  void RaisePriorityAndTerminate(e2e::Program& program) {
    ClickRow(detail, ActionRow(FirstLineOf("notepad.exe"), "Change priority"));
    EXPECT_TRUE(e2e::ChooseHighPriority(program.Id()));

    ClickRow(detail, ActionRow(FirstLineOf("notepad.exe"), "Terminate process"));
    EXPECT_EQ(e2e::AnswerMessageBox(module, IDYES).rfind("notepad.exe :", 0), 0u);
    EXPECT_TRUE(program.WaitForExit(milliseconds(10000)));
    EXPECT_TRUE(WaitFor([&] { return RowStartingWith(left, "notepad.exe") < 0; }, 4000));
  }

  std::string suite;
  std::unique_ptr<e2e::Program> base;
  HWND main = nullptr;
  DWORD module = 0;
  HWND left = nullptr;
  HWND detail = nullptr;
};

TEST_F(BrowserScenario, AProcessAppearsShowsItsDetailsTakesAPriorityAndEndsWhenTerminated) {
  Expand("Processes");
  // The real processes are listed, the driver's own among them.
  EXPECT_TRUE(WaitFor([&] { return RowStartingWith(left, "rv_e2e.exe") >= 0; }, 4000));
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  ASSERT_TRUE(WaitFor([&] { return RowStartingWith(left, "notepad.exe") >= 0; }, 4000));

  const int line = OpenNotepad("notepad.exe", std::to_string(notepad.Id()));
  ASSERT_GT(line, 0);
  // For a person to look at: build/screenshots/expanded-process.bmp, the module in front.
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  ::SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, keep);
  ::Sleep(1500);
  e2e::SaveScreenshot(main, suite + "..\\..\\screenshots\\expanded-process.bmp");
  ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, keep);

  RaisePriorityAndTerminate(notepad);
}

TEST_F(BrowserScenario, AnApplicationWindowIsListedAndItsActionsActOnIt) {
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  HWND window = WindowOf(notepad.Id());
  ASSERT_NE(window, nullptr);
  const std::string title = e2e::WindowText(window);
  Expand("Applications");
  ASSERT_TRUE(WaitFor([&] { return RowStartingWith(left, title) >= 0; }, 4000)) << title;
  const int line = OpenDetail(title);
  ASSERT_GT(line, 0);
  struct Step {
    const char* action;
    std::function<bool()> done;
  } steps[] = {
      {"Minimize", [&] { return ::IsIconic(window) != FALSE; }},
      {"Maximize", [&] { return ::IsZoomed(window) != FALSE; }},
      {"Restore", [&] { return !::IsIconic(window) && !::IsZoomed(window); }},
  };
  for (const Step& step : steps) {
    ClickRow(detail, ActionRow(line, step.action));
    EXPECT_TRUE(WaitFor(step.done, 5000)) << step.action;
  }
  ClickRow(detail, ActionRow(line, "Close"));
  EXPECT_TRUE(notepad.WaitForExit(milliseconds(10000)));
}

TEST_F(BrowserScenario, AWindowLeadsToItsProcessWhichShowsItsCostAndTheDriverAsItsParent) {
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  HWND window = WindowOf(notepad.Id());
  ASSERT_NE(window, nullptr);
  Expand("Applications");
  const int line = OpenDetail(e2e::WindowText(window));
  ASSERT_GT(line, 0);
  const std::string id = std::to_string(notepad.Id());
  EXPECT_NE(e2e::ListRows(detail)[line].find("<U>notepad.exe (" + id + ")</U>"), std::string::npos)
      << e2e::ListRows(detail)[line];
  // For a person to look at, the module in front: build/screenshots/application-process.bmp and
  // process-cost.bmp.
  const auto screenshot = [&](const char* name) {
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    ::SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, keep);
    ::Sleep(1500);
    e2e::SaveScreenshot(main, suite + "..\\..\\screenshots\\" + name + ".bmp");
    ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
  };
  screenshot("application-process");

  ClickRow(detail, line);
  ASSERT_TRUE(WaitFor([&] { return RowStartingWith(detail, "Processes") == 0; }, 5000));
  ASSERT_TRUE(WaitFor(
      [&] { return ActionRow(FirstLineOf("notepad.exe"), "Terminate process") > 0; }, 5000));
  const int first = FirstLineOf("notepad.exe");
  const std::vector<std::string> rows = e2e::ListRows(detail);
  EXPECT_NE(rows[first + 2].find(id), std::string::npos) << rows[first + 2];
  const std::string parent = "rv_e2e.exe (" + std::to_string(::GetCurrentProcessId()) + ")</U>";
  EXPECT_NE(rows[first + 8].find(parent), std::string::npos) << rows[first + 8];
  EXPECT_NE(rows[first + 6].find(" %</FONT>"), std::string::npos) << rows[first + 6];
  EXPECT_NE(rows[first + 7].find(" K</FONT>"), std::string::npos) << rows[first + 7];
  screenshot("process-cost");
}

TEST_F(BrowserScenario, AnOpenSectionStaysWithItsProcessWhenOneListedBeforeItEnds) {
  Expand("Processes");
  std::unique_ptr<e2e::Program> notepads[3];
  for (int i = 0; i < 3; ++i) {
    notepads[i] = std::make_unique<e2e::Program>(kNotepad, "", "");
    ASSERT_TRUE(WaitFor([&] { return NthRow(left, "notepad.exe", i) >= 0; }, 4000));
  }
  auto shown = [&](int i) {  // an open section's id line holds notepad i's id
    const std::string id = std::string(">").append(std::to_string(notepads[i]->Id())) + "</FONT>";
    return e2e::ListRowWhere(detail, [&](const std::string& r) { return r.find(id) != r.npos; });
  };
  ClickRow(left, NthRow(left, "notepad.exe", 1));
  ASSERT_TRUE(WaitFor([&] { return shown(1) >= 0; }, 5000));
  notepads[0]->Kill();
  ASSERT_TRUE(WaitFor([&] { return NthRow(left, "notepad.exe", 2) < 0; }, 4000));
  EXPECT_GE(shown(1), 0);
  EXPECT_LT(shown(2), 0);
}

// Windows of rv_churn.exe: `count` of them titled `title`, which stop answering their messages
// after `hang_ms` (never when -1).
std::unique_ptr<e2e::Program> ChurnWindows(int count, const std::string& title, int hang_ms) {
  return std::make_unique<e2e::Program>(
      e2e::TestsDirectory() + "rv_churn.exe",
      "windows " + std::to_string(count) + " \"" + title + "\" " + std::to_string(hang_ms), "");
}

// A title in four scripts, an emoji among them, is listed and heads its detail section as
// written, and its section's close line closes its window.
TEST_F(BrowserScenario, ATitleInEveryScriptIsListedAsWrittenAndClosedByItsLine) {
  const auto program = ChurnWindows(1, e2e::kEveryScript, -1);
  ASSERT_TRUE(program->Started());
  const HWND window = WindowOf(program->Id());
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(e2e::WindowText(window), e2e::kEveryScript);
  Expand("Applications");
  const int line = OpenDetail(e2e::kEveryScript);
  ASSERT_GT(line, 0);
  // For a person to look at: build/screenshots/title-in-every-script*.bmp, each window in front.
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  for (const auto& [shown, name] : {std::pair{main, ""}, std::pair{window, "-window"}}) {
    ::SetWindowPos(shown, HWND_TOPMOST, 0, 0, 0, 0, keep);
    ::Sleep(1500);
    e2e::SaveScreenshot(shown,
                        suite + "..\\..\\screenshots\\title-in-every-script" + name + ".bmp");
    ::SetWindowPos(shown, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
  }
  ClickRow(detail, ActionRow(line, "Close"));
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(window); }, 5000));
}

// The slowest answer of the module's window to an empty message, asked every 50 ms for
// `duration_ms`: a refresh tick or an action blocked on another program shows here.
long SlowestAnswerMs(HWND main, int duration_ms) {
  long slowest = 0;
  for (const DWORD end = ::GetTickCount() + duration_ms; ::GetTickCount() < end; ::Sleep(50)) {
    const DWORD before = ::GetTickCount();
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer)) return 10000;
    slowest = std::max(slowest, static_cast<long>(::GetTickCount() - before));
  }
  return slowest;
}

TEST_F(BrowserScenario, AHundredWindowsOfOneTitleAreListedEachAndActedOnAlone) {
  const std::string title = "One title";
  const auto program = ChurnWindows(100, title, -1);
  ASSERT_TRUE(program->Started());
  Expand("Applications");
  auto rows_of_title = [&] {
    std::vector<int> rows;
    const std::vector<std::string> all = e2e::ListRows(left);
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i] == title) rows.push_back(static_cast<int>(i));
    return rows;
  };
  std::vector<int> rows;
  ASSERT_TRUE(WaitFor([&] { return (rows = rows_of_title()).size() == 100; }, 10000))
      << rows.size() << " listed";
  // The 50th row's detail section, and its minimise line: one window, no other.
  ClickRow(left, rows[49]);
  int header = -1;
  // Every window's header is in the detail list too; the chosen one's lines follow it.
  ASSERT_TRUE(WaitFor(
      [&] {
        const std::vector<std::string> all = e2e::ListRows(detail);
        for (std::size_t i = 0; i + 1 < all.size(); ++i)
          // Its first action follows the window's process line.
          if (all[i] == title && i + 2 < all.size() &&
              all[i + 2].find("<U>Restore</U>") != std::string::npos)
            header = static_cast<int>(i);
        return header >= 0;
      },
      5000));
  ClickRow(detail, ActionRow(header + 1, "Minimize"));
  const std::vector<HWND> windows = e2e::TopLevelWindows("RvChurnWindow", program->Id());
  ASSERT_EQ(windows.size(), 100u);
  auto minimised = [&] {
    return std::count_if(windows.begin(), windows.end(),
                         [](HWND w) { return ::IsIconic(w) != FALSE; });
  };
  EXPECT_TRUE(WaitFor([&] { return minimised() > 0; }, 5000));
  ::Sleep(500);
  EXPECT_EQ(minimised(), 1);
  EXPECT_LT(SlowestAnswerMs(main, 2000), 500);
}

// The first of two windows titled alike comes to the top: the second row still closes the second.
TEST_F(BrowserScenario, EqualTitlesEachCloseTheirOwnWindow) {
  Expand("Applications");
  const auto first = ChurnWindows(1, "Twin", -1);
  ASSERT_TRUE(WaitFor([&] { return NthRow(left, "Twin", 0) >= 0; }, 4000));
  const auto second = ChurnWindows(1, "Twin", -1);
  ASSERT_TRUE(WaitFor([&] { return NthRow(left, "Twin", 1) >= 0; }, 4000));
  const HWND kept = WindowOf(first->Id()), closed = WindowOf(second->Id());
  ::SetWindowPos(kept, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::Sleep(1500);  // a tick lists the windows in their new order
  ClickRow(left, NthRow(left, "Twin", 1));
  // Its section is the last: open, its process line and five actions end the list, the last
  // closes.
  const auto close = [&] { return NthRow(detail, "Twin", 1) + 6; };
  ASSERT_TRUE(WaitFor([&] { return e2e::ListRows(detail).size() == close() + 1u; }, 5000));
  ASSERT_EQ(ActionRow(close() - 1, "Close"), close());
  ClickRow(detail, close());
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(closed); }, 5000));
  EXPECT_TRUE(::IsWindow(kept));
}

// Restore, minimise and close chosen for a window that no longer answers: the module asks
// without waiting, goes on refreshing, and lists a window that opens meanwhile within a tick.
TEST_F(BrowserScenario, AWindowThatStopsAnsweringLeavesTheViewerResponsive) {
  const std::string title = "Not answering";
  const auto program = ChurnWindows(1, title, 2000);
  ASSERT_TRUE(program->Started());
  Expand("Applications");
  const int line = OpenDetail(title);
  ASSERT_GT(line, 0);
  HWND window = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] {
        for (HWND w : e2e::TopLevelWindows("RvChurnWindow", program->Id())) window = w;
        DWORD_PTR answer = 0;
        return window &&
               !::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &answer);
      },
      10000));
  long slowest = 0;
  for (const char* action : {"Restore", "Minimize", "Close"}) {
    ClickRow(detail, ActionRow(line, action));
    slowest = std::max(slowest, SlowestAnswerMs(main, 1500));
  }
  const auto later = ChurnWindows(1, "Arrives later", -1);
  const DWORD opened = ::GetTickCount();
  ASSERT_TRUE(WaitFor([&] { return RowStartingWith(left, "Arrives later") >= 0; }, 10000));
  const long listed_after = static_cast<long>(::GetTickCount() - opened);
  std::printf("window not answering: slowest answer %ld ms, a new window listed after %ld ms\n",
              slowest, listed_after);
  EXPECT_LT(slowest, 500);
  EXPECT_LT(listed_after, 2500);
  EXPECT_TRUE(::IsWindow(window));  // it takes no message, so it cannot close
}

// A 32-bit module among 64-bit processes, as on 64-bit Windows: run in a 64-bit prefix only.
struct Wow64BrowserScenario : BrowserScenario {
  void SetUp() override {
    if (!e2e::In64BitSystem()) GTEST_SKIP() << "a 32-bit program on a 64-bit system only";
    BrowserScenario::SetUp();
  }
};

TEST_F(Wow64BrowserScenario, ListsEveryProcessToolHelpReports) {
  Expand("Processes");
  ExpectListsEveryToolHelpProcess();
}

TEST_F(Wow64BrowserScenario, ASystemServiceShowsItsFullPath) {
  Expand("Processes");
  const int line = OpenDetail("services.exe");
  ASSERT_GT(line, 0);
  const std::vector<std::string> rows = e2e::ListRows(detail);
  ASSERT_GT(rows.size(), static_cast<std::size_t>(line + 1));
  EXPECT_NE(Lower(rows[line + 1]).find("c:\\windows\\system32\\services.exe"), std::string::npos)
      << rows[line + 1];
}

TEST_F(Wow64BrowserScenario, A32BitProgramShowsItsPathUnderSysWow64) {
  Expand("Processes");
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  EXPECT_GT(OpenNotepad("c:\\windows\\syswow64\\notepad.exe", std::to_string(notepad.Id())), 0);
}

TEST_F(Wow64BrowserScenario, A64BitProgramShowsItsPathTakesAPriorityAndEndsWhenTerminated) {
  Expand("Processes");
  // A 32-bit program reaches the 64-bit system folder by this name.
  e2e::Program notepad("C:\\windows\\sysnative\\notepad.exe", "", "");
  ASSERT_TRUE(notepad.Started());
  const int line = OpenNotepad("c:\\windows\\system32\\notepad.exe", std::to_string(notepad.Id()));
  ASSERT_GT(line, 0);
  RaisePriorityAndTerminate(notepad);
}

// The module on a 9x-family system: processes from tool help, processor usage from the dynamic
// performance statistics that the scenario writes.
struct Win9xBrowserScenario : BrowserScenario {
  void SetUp() override {
    if (!e2e::OnWin9xFamily()) GTEST_SKIP() << "a 9x-family system only";
    ASSERT_TRUE(e2e::WritePerfStats(42));
    BrowserScenario::SetUp();
  }
};

// The 9x family's id text: eight upper-case hexadecimal digits.
std::string Hex8(DWORD id) {
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08lX", id);
  return hex;
}

TEST_F(Win9xBrowserScenario, ListsToolHelpProcessesWithHexIds) {
  Expand("Processes");
  ExpectListsEveryToolHelpProcess();
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  EXPECT_GT(OpenNotepad("notepad.exe", Hex8(notepad.Id())), 0);
}

TEST_F(Win9xBrowserScenario, AProcessTakesAPriorityAndEndsWhenTerminated) {
  Expand("Processes");
  e2e::Program notepad(kNotepad, "", "");
  ASSERT_TRUE(notepad.Started());
  const int line = OpenNotepad("notepad.exe", Hex8(notepad.Id()));
  ASSERT_GT(line, 0);
  RaisePriorityAndTerminate(notepad);
}

// Filled rows at the bottom of the processor-usage indicator, read off the screen: a filled row
// has none of the light ground's pixels, whatever of the figure's text crosses it.
int IndicatorFilledRows(HWND indicator) {
  const e2e::Pixels pixels = e2e::ScreenPixels(indicator);
  const COLORREF ground = RGB(174, 187, 219);
  int filled = 0;
  for (int y = pixels.height - 2; y > 0; --y, ++filled)  // inside the one-pixel frame
    for (int x = 1; x < pixels.width - 1; ++x)
      if (pixels.At(x, y) == ground) return filled;
  return filled;
}

TEST_F(Win9xBrowserScenario, TheUsageIndicatorShowsTheFigureTheStatisticsHold) {
  // The indicator: the module's only child window of its size.
  HWND indicator = nullptr;
  for (HWND child : e2e::ChildWindows(main)) {
    RECT r;
    ::GetWindowRect(child, &r);
    if (r.right - r.left == 25 && r.bottom - r.top == 49) indicator = child;
  }
  ASSERT_NE(indicator, nullptr);
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  ::SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, keep);
  const int inner = 47;
  for (DWORD usage : {42u, 73u}) {
    ASSERT_TRUE(e2e::WritePerfStats(usage));
    const int rows = static_cast<int>(inner * usage / 100);
    int shown = -1;
    EXPECT_TRUE(WaitFor(
        [&] {
          shown = IndicatorFilledRows(indicator);
          return shown >= rows && shown <= rows + 1;
        },
        5000))
        << usage << "% shows " << shown << " of " << inner << " rows";
  }
  e2e::SaveScreenshot(main, suite + "..\\..\\screenshots\\win9x-main-window.bmp");
  ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
}

}  // namespace
