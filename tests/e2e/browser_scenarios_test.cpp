// The process browser used from outside: the lists follow the system, the detail lines of a
// process and of an application window act on them for real.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/e2e/driver.h"

namespace {

using e2e::milliseconds;

using e2e::kNotepad;
using e2e::WaitFor;

// The module's visible list boxes, left to right: the browser list and the detail list.
std::vector<HWND> Lists(HWND main) {
  std::vector<HWND> lists;
  for (HWND child : e2e::ChildWindows(main))
    if (_stricmp(e2e::ClassName(child).c_str(), "ListBox") == 0 && ::IsWindowVisible(child))
      lists.push_back(child);
  auto left_edge = [](HWND w) {
    RECT r;
    ::GetWindowRect(w, &r);
    return r.left;
  };
  std::sort(lists.begin(), lists.end(),
            [&](HWND a, HWND b) { return left_edge(a) < left_edge(b); });
  return lists;
}

void ClickRow(HWND list, int row) {
  e2e::ClickListRow(list, row, 120);
}

int RowStartingWith(HWND list, const std::string& text) {
  return e2e::ListRowWhere(list, [&](const std::string& row) { return row.rfind(text, 0) == 0; });
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
    const std::vector<HWND> lists = Lists(main);
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
    const int row = e2e::ListRowWhere(left, [&](const std::string& r) { return r == item; });
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

  const int line = OpenDetail("notepad.exe");
  ASSERT_GT(line, 0);
  const std::vector<std::string> rows = e2e::ListRows(detail);
  ASSERT_GE(rows.size(), static_cast<std::size_t>(line + 9));
  EXPECT_NE(rows[line + 1].find("notepad.exe"), std::string::npos) << rows[line + 1];
  EXPECT_NE(rows[line + 2].find(std::to_string(notepad.Id())), std::string::npos) << rows[line + 2];
  // For a person to look at: build/screenshots/expanded-process.bmp, the module in front.
  const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  ::SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, keep);
  ::Sleep(1500);
  e2e::SaveScreenshot(main, suite + "..\\..\\screenshots\\expanded-process.bmp");
  ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, keep);

  // The priority menu: its third item, "Vysoka", is the high class.
  ClickRow(detail, line + 8);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (menu = ::FindWindowA("#32768", nullptr)) != nullptr; }, 5000));
  for (int i = 0; i < 3; ++i) ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, notepad.Id());
  ASSERT_NE(process, nullptr);
  EXPECT_TRUE(WaitFor([&] { return ::GetPriorityClass(process) == HIGH_PRIORITY_CLASS; }, 5000));
  ::CloseHandle(process);

  // Terminate, answered Yes: the process ends for real and leaves the lists.
  ClickRow(detail, line + 6);
  EXPECT_EQ(e2e::AnswerMessageBox(module, IDYES).rfind("notepad.exe :", 0), 0u);
  EXPECT_TRUE(notepad.WaitForExit(milliseconds(10000)));
  EXPECT_TRUE(WaitFor([&] { return RowStartingWith(left, "notepad.exe") < 0; }, 4000));
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
    int offset;
    std::function<bool()> done;
  } steps[] = {
      {2, [&] { return ::IsIconic(window) != FALSE; }},                 // minimise
      {3, [&] { return ::IsZoomed(window) != FALSE; }},                 // maximise
      {0, [&] { return !::IsIconic(window) && !::IsZoomed(window); }},  // restore
  };
  for (const Step& step : steps) {
    ClickRow(detail, line + step.offset);
    EXPECT_TRUE(WaitFor(step.done, 5000)) << "line " << step.offset;
  }
  ClickRow(detail, line + 4);  // close
  EXPECT_TRUE(notepad.WaitForExit(milliseconds(10000)));
}

}  // namespace
