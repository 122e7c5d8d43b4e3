// The process browser on fakes: what the two lists show after expansions, refresh ticks and
// actions, and which platform calls the actions make.
#include "browser/process_browser.h"

#include <gtest/gtest.h>

#include "controls/markup/render.h"
#include "tests/fakes/fake_image_list.h"
#include "tests/fakes/fake_kernel.h"
#include "tests/fakes/fake_report_platform.h"
#include "tests/fakes/fake_shell.h"
#include "tests/fakes/fake_user_interface.h"
#include "tests/fakes/fake_view.h"
#include "tests/fakes/recording_canvas.h"
#include "tests/fakes/vector_rows.h"

namespace {

using browser::ProcessBrowser;
using controls::TSectionListBox;

// Every text is its id, so lines read back at a glance.
struct IdTexts : i18n::TextSource {
  std::string TextById(int id) const override {
    return missing ? "<No load message>" : "T" + std::to_string(id);
  }
  bool missing = false;
};

struct BrowserFixture : ::testing::Test {
  fakes::FakeKernel kernel;
  fakes::FakeUserInterface ui;
  fakes::FakeShell shell;
  fakes::FakeImageList icons{3};
  IdTexts texts;
  fakes::FakeView left_view, detail_view;
  fakes::VectorRows left_rows, detail_rows{345};
  TSectionListBox left{"SectionListBox1", nullptr};
  TSectionListBox detail{"SectionListBox2", nullptr};
  snapshot::ProcessSnapshot processes;
  snapshot::AppWindowList windows{ui, icons, snapshot::Family::kNt};
  fakes::FakeDateTime clock;
  ProcessBrowser browser{left, detail, texts, {kernel, ui, shell, clock}};
  std::vector<std::string> menus;  // screen points the priority menu opened at

  void SetUp() override {
    left.Sections().Add().SetCaption("T100");
    left.Sections().Add().SetCaption("T101");
    detail.SetBounds(platform::RectOfSize(0, 0, 345, 329));
    detail.AttachView(&detail_view);
    detail.AttachRows(&detail_rows);
    left.AttachView(&left_view);
    left.AttachRows(&left_rows);
    browser.MessageCaption = "Ravo Info Process";
    browser.PopupPriorityMenu = [this](platform::Point p) {
      menus.push_back(std::to_string(p.x) + "," + std::to_string(p.y));
    };
  }
  // Processes as a tick lists them: name, id, a creation time (none on the 9x family); the
  // kernel knows them too.
  static constexpr std::uint64_t kCreation = 1000;
  bool nine_x = false;
  void Processes(std::vector<std::pair<std::string, std::uint32_t>> list) {
    std::size_t i = 0;
    for (const auto& [name, id] : list) {
      snapshot::processinfos& p = processes.Slot(i++);
      p = {name, "C:\\bin\\" + name, std::to_string(id), id, false, nine_x ? 0 : kCreation + id};
      if (!kernel.Process(id)) {
        kernel.processes.push_back({id, "C:\\bin\\" + name});
        kernel.processes.back().times.creation = kCreation + id;
      }
    }
    processes.Truncate(i);
  }
  void Windows(std::vector<std::string> titles) {
    std::vector<std::pair<platform::WindowHandle, std::string>> listed;
    platform::WindowHandle h = 0x10;
    for (const std::string& t : titles) listed.push_back({h += 0x10, t});
    WindowsByHandle(listed);
  }
  // Windows in stacking order, each with its handle.
  void WindowsByHandle(const std::vector<std::pair<platform::WindowHandle, std::string>>& listed) {
    ui.windows.clear();
    for (const auto& [h, t] : listed) ui.windows.push_back({h, t, true, 0, 0, 0xA0 + h});
    windows.EnumerateAppWindows();
  }
  // As a tick runs them: the priorities the process sync writes are read before it.
  std::vector<std::size_t> due;
  snapshot::PriorityClasses priorities;
  void Tick() {
    browser.SyncApplicationsSection({processes, windows});
    browser.PriorityLinesDue(processes, due);
    snapshot::ReadPriorityClasses(kernel, processes.processes(), due, priorities);
    browser.SyncProcessesSection(processes, priorities);
  }
  // "A B" for a left section's sub-items; "T101 | A:9 | B:9+" for the detail list: caption,
  // line count, "+" when expanded.
  std::string Left(int section) const {
    std::string out;
    for (const auto& item : left.Sections().Item(section).SubItems().Items())
      out += (out.empty() ? "" : " ") + item.text;
    return out;
  }
  std::string Detail() const {
    std::string out;
    for (int i = 0; i < detail.Sections().Count(); ++i) {
      const controls::TListSection& s = detail.Sections().Item(i);
      out += (i ? " | " : "") + s.Caption();
      if (i > 0) out += ":" + std::to_string(s.SubItems().Count());
      if (s.State() == controls::lssExpanded) out += "+";
    }
    return out;
  }
  std::string Line(int section, int line) const {
    return detail.Sections().Item(section).SubItems().Strings(line);
  }
};

// What DrawText shows of a run: "&&" is one "&", a lone "&" only underlines what follows.
std::string OnScreen(const std::string& run) {
  std::string out;
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] == '&' && i + 1 < run.size()) ++i;
    out += run[i];
  }
  return out;
}

TEST(DetailLines, TimeValueDropsDaysAndLeadingZeros) {
  struct Case {
    std::uint64_t count;
    const char* shown;
  } cases[] = {{0, "0:0:0:0"},
               {12'500'000, "0:0:1:250"},
               {25ULL * 36'000'000'000ULL, "1:0:0:0"},
               {90'000ULL * 10'000'000ULL, "1:0:0:0"},
               {(3ULL * 3600 + 4 * 60 + 5) * 10'000'000ULL + 60'000, "3:4:5:6"}};
  for (const Case& c : cases) EXPECT_EQ(browser::TimeValue(c.count), c.shown) << c.count;
}

TEST(DetailLines, TemplatesAreByteExactAndValuesShowAsWritten) {
  EXPECT_EQ(browser::ValueLine("Path", "C:\\a.exe"),
            "<IMG src=\"idx:0\"></IMG> <FONT color=\"clblue\" size=\"10\">Path<IND "
            "x=\"150\"><FONT color=\"clmaroon\">C:\\a.exe</FONT>");
  EXPECT_EQ(browser::ActionLine(browser::ActionColor::kRed, "End"),
            "<IND x=\"50\"></IMG><FONT color=\"clred\" size=\"10\"><U>End</U></FONT>");
  // Hostile values: whatever a title or path holds, the markup shows it and nothing else.
  const std::string hostile[] = {"Tom &amp; Jerry", "a<B>b</B>",   "x &lt; y",     "&&",
                                 "</FONT><U>",      "50% & more;", "&nbsp;&quot;", "<#1>"};
  fakes::RecordingCanvas canvas(400, 60);
  for (const std::string& value : hostile) {
    const controls::markup::Result shown =
        controls::markup::Render(canvas, browser::TitleLine("", value), {0, 0, 400, 60}, {});
    EXPECT_EQ(OnScreen(shown.plain_text), value) << value;
  }
}

TEST_F(BrowserFixture, ProcessesFollowTheTickByPosition) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::uint32_t>> before, after;
    const char* left;
    const char* detail;
    const char* rebuilt_path;  // line 1 of detail section 2 after the tick
  } cases[] = {
      {"one gone",
       {{"A", 8}, {"B", 12}, {"C", 16}},
       {{"A", 8}, {"C", 16}},
       "A C",
       "T101 | A:9 | C:9",
       "C:\\bin\\C"},
      {"one new",
       {{"A", 8}, {"B", 12}},
       {{"A", 8}, {"B", 12}, {"C", 16}},
       "A B C",
       "T101 | A:9 | B:9 | C:9",
       "C:\\bin\\B"},
      {"same name, new id",
       {{"A", 8}, {"B", 12}},
       {{"A", 8}, {"B", 20}},
       "A B",
       "T101 | A:9 | B:9",
       "C:\\bin\\B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kernel.processes.clear();
    Processes({});
    Tick();
    Processes(c.before);
    Tick();
    browser.SectionListBox1ExpandSection(1, {processes, windows});
    Processes(c.after);
    kernel.Process(c.after[1].second)->path = c.rebuilt_path;
    processes.Slot(1).path = c.rebuilt_path;
    Tick();
    EXPECT_EQ(Left(1), c.left);
    EXPECT_EQ(Detail(), c.detail);
    EXPECT_NE(Line(2, 1).find(c.rebuilt_path), std::string::npos) << Line(2, 1);
    EXPECT_NE(Line(2, 2).find(std::to_string(c.after[1].second)), std::string::npos);
  }
}

TEST_F(BrowserFixture, PrioritiesOfFilledAndOpenSectionsAreReadBeforeTheSyncEditsAList) {
  Processes({{"A", 8}, {"B", 12}, {"C", 16}});
  Tick();
  browser.SectionListBox1SubItemClick(1, 1, {processes, windows});  // B open, A and C closed
  Processes({{"A", 8}, {"B", 12}, {"D", 20}, {"E", 24}});
  kernel.Process(20)->priority = platform::kHighPriorityClass;
  browser.PriorityLinesDue(processes, due);
  EXPECT_EQ(due, (std::vector<std::size_t>{1, 2, 3}));  // B kept open, D in C's place, E added
  snapshot::ReadPriorityClasses(kernel, processes.processes(), due, priorities);
  kernel.calls.clear();
  browser.SyncProcessesSection(processes, priorities);
  EXPECT_EQ(kernel.calls, std::vector<std::string>{});
  EXPECT_NE(Line(3, 3).find("T150"), std::string::npos);
}

TEST_F(BrowserFixture, ExpandedUnchangedProcessGetsFreshPriorityAndTimesOnly) {
  Processes({{"A", 8}});
  Tick();
  browser.SectionListBox1SubItemClick(1, 0, {processes, windows});
  ASSERT_EQ(Detail(), "T101 | A:9+");
  const std::string path_line = Line(1, 1);
  EXPECT_NE(Line(1, 3).find("T151"), std::string::npos);
  kernel.Process(8)->priority = platform::kHighPriorityClass;
  processes.Slot(0).path = "C:\\moved\\A";  // not rewritten: the position did not change
  processes.Slot(0).user_time = 25ULL * 36'000'000'000ULL;
  Tick();
  EXPECT_EQ(Line(1, 1), path_line);
  EXPECT_NE(Line(1, 3).find("T150"), std::string::npos);
  EXPECT_NE(Line(1, 4).find("1:0:0:0"), std::string::npos);
  // A tick with nothing new writes no line and repaints no row.
  const int repaints = detail_view.invalidations;
  const std::size_t rows_repainted = detail_view.invalidated_rects.size();
  std::vector<std::string> rows;
  for (const fakes::VectorRow& row : detail_rows.rows) rows.push_back(row.text);
  detail.BeginUpdate();
  Tick();
  detail.EndUpdate();
  EXPECT_EQ(detail_view.invalidations, repaints);
  EXPECT_EQ(detail_view.invalidated_rects.size(), rows_repainted);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(detail_rows.rows[i].text, rows[i]);
  processes.Slot(0).path_found = true;  // a path that came late is shown
  Tick();
  EXPECT_EQ(Line(1, 1), browser::ValueLine("T103", "C:\\moved\\A"));
}

TEST_F(BrowserFixture, ApplicationsKeepEachTitleAsOftenAsItsWindows) {
  Windows({"Editor", "Mail", "Editor"});
  Tick();
  browser.SectionListBox1ExpandSection(0, {processes, windows});
  EXPECT_EQ(Left(0), "Editor Mail Editor");
  WindowsByHandle({{0x30, "Mail"}, {0x40, "Editor"}});  // one of two editors closed
  Tick();
  EXPECT_EQ(Left(0), "Mail Editor");
  WindowsByHandle({{0x30, "Mail"}, {0x40, "Notes"}});  // retitled: its row goes, one is appended
  Tick();
  EXPECT_EQ(Left(0), "Mail Notes");
  EXPECT_EQ(Detail(), "T100 | Mail:5 | Notes:5");
  // The detail list shows applications: a process change leaves it alone.
  Processes({{"A", 8}});
  Tick();
  EXPECT_EQ(Detail(), "T100 | Mail:5 | Notes:5");
  EXPECT_EQ(Left(1), "A");
}

TEST_F(BrowserFixture, ExpansionBuildsTheDetailListAndASubItemClickOpensOneSection) {
  browser.SectionListBox1ExpandSection(1, {processes, windows});
  EXPECT_EQ(Detail(), "T101");  // nothing listed: the header alone
  Processes({{"A", 8}, {"B", 12}, {"C", 16}, {"D", 20}, {"E", 24}});
  Windows({"Mail"});
  Tick();
  left.Sections().Item(1).SetSubItemImageIndex(2, 7);
  browser.SectionListBox1ExpandSection(0, {processes, windows});  // also resets the process images
  EXPECT_EQ(left.Sections().Item(1).SubItemImageIndex(2), 0);
  browser.SectionListBox1SubItemClick(1, 3, {processes, windows});
  EXPECT_EQ(Detail(), "T101 | A:9 | B:9 | C:9 | D:9+ | E:9");
  EXPECT_EQ(detail.TopIndex(), detail.FirstRowOfSection(4));
  browser.SectionListBox2SectionClick(4);
  browser.SectionListBox2SectionClick(0);
  EXPECT_EQ(Detail(), "T101+ | A:9 | B:9 | C:9 | D:9 | E:9");
  browser.SectionListBox1ContractSection(0);
  EXPECT_EQ(Detail(), "");
}

TEST_F(BrowserFixture, TerminateAsksThenEndsTheShownProcessAndDropsItEverywhere) {
  struct Case {
    const char* name;
    int answer;
    bool id_reused;
    bool nine_x;  // rows without creation times
    const char* left;
    const char* message;
  } cases[] = {
      {"no", platform::kIdNo, false, false, "A B C D", "C :T112T113"},
      {"yes", platform::kIdYes, false, false, "A B D", "C :T112T113"},
      {"id of another process now", platform::kIdYes, true, false, "A B C D", "T114"},
      {"9x: yes", platform::kIdYes, false, true, "A B D", "C :T112T113"},
      {"9x: id of another program now", platform::kIdYes, true, true, "A B C D", "T114"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    nine_x = c.nine_x;
    kernel.processes.clear();
    Processes({});
    Tick();
    Processes({{"A", 8}, {"B", 12}, {"C", 16}, {"D", 20}});
    Tick();
    browser.SectionListBox1ExpandSection(1, {processes, windows});
    ui.answers.push_back(c.answer);
    // Before the answer section 3's id goes to a new process (on 9x, in the tick's list).
    if (c.id_reused)
      ui.on_message_box = [this, &c] {
        c.nine_x ? void(processes.Slot(2).name = "Z")
                 : void(kernel.Process(16)->times.creation = 99);
      };
    browser.SectionListBox2SubItemClick(3, 6, {processes, windows});
    ui.on_message_box = nullptr;
    EXPECT_EQ(ui.messages.back().text, c.message);
    EXPECT_EQ(Left(1), c.left);
    const bool ended = std::string(c.left) == "A B D";
    EXPECT_EQ(kernel.Process(16)->terminated, ended);
    EXPECT_EQ(Detail(), ended ? "T101 | A:9 | B:9 | D:9" : "T101 | A:9 | B:9 | C:9 | D:9");
    EXPECT_EQ(processes.processes().size(), ended ? 3u : 4u);
    EXPECT_TRUE(kernel.open_handles.empty());
    // Still listed at the next tick (its termination failed): back in both lists, in place.
    Processes({{"A", 8}, {"B", 12}, {"C", 16}, {"D", 20}});
    Tick();
    EXPECT_EQ(Left(1), "A B C D");
    EXPECT_EQ(Detail(), "T101 | A:9 | B:9 | C:9 | D:9");
  }
}

TEST_F(BrowserFixture, EachApplicationRowActsOnItsOwnWindowWhateverItsTitle) {
  // Two programs with a window titled alike; the second one's section is open before the tick.
  const std::pair<platform::WindowHandle, std::string> one{16, "Twin"}, two{32, "Twin"},
      mail{48, "Mail"}, retitled{32, "Other"};
  struct Case {
    const char* name;
    std::vector<std::pair<platform::WindowHandle, std::string>> after;
    const char* detail;
    int closed;  // the section whose Close line is clicked, and the window that gets it
    int window;
  } cases[] = {
      {"the first on top", {two, one, mail}, "T100 | Twin:5 | Twin:5+ | Mail:5", 2, 32},
      {"in their order", {one, two, mail}, "T100 | Twin:5 | Twin:5+ | Mail:5", 2, 32},
      {"the first closed", {two, mail}, "T100 | Twin:5+ | Mail:5", 1, 32},
      {"the second closed", {one, mail}, "T100 | Twin:5 | Mail:5", 1, 16},
      {"the second retitled", {one, retitled, mail}, "T100 | Twin:5 | Mail:5 | Other:5", 3, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WindowsByHandle({});
    Tick();
    WindowsByHandle({one, two, mail});
    Tick();
    browser.SectionListBox1SubItemClick(0, 1, {processes, windows});
    WindowsByHandle(c.after);
    Tick();
    EXPECT_EQ(Detail(), c.detail);
    for (int k = 0; k + 1 < detail.Sections().Count(); ++k)
      EXPECT_EQ(left.Sections().Item(0).SubItems().Item(k).key,
                detail.Sections().Item(k + 1).Key());
    ui.window_calls.clear();
    browser.SectionListBox2SubItemClick(c.closed, 4, {processes, windows});
    EXPECT_EQ(ui.window_calls,
              (std::vector<std::string>{"PostMessageA(" + std::to_string(c.window) + ",16)"}));
  }
  // A window gone since the tick that listed it: nothing happens.
  WindowsByHandle({one});
  ui.window_calls.clear();
  browser.SectionListBox2SubItemClick(2, 4, {processes, windows});
  EXPECT_TRUE(ui.window_calls.empty());
}

TEST_F(BrowserFixture, AnOpenSectionAndTheSelectionStayWithTheirProcess) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, std::uint32_t>> after;
    const char* detail;
    int selected_section;  // where B's section is selected after the tick, -1 for nowhere
  } cases[] = {
      {"an earlier process ends", {{"A", 12}, {"A", 16}}, "T101 | A:9+ | A:9", 1},
      {"one starts before it",
       {{"X", 4}, {"A", 8}, {"A", 12}, {"A", 16}},
       "T101 | X:9 | A:9 | A:9+ | A:9",
       3},
      {"the open one ends", {{"A", 8}, {"A", 16}}, "T101 | A:9 | A:9", -1},
      {"nothing changes", {{"A", 8}, {"A", 12}, {"A", 16}}, "T101 | A:9 | A:9+ | A:9", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kernel.processes.clear();
    Processes({});
    Tick();
    Processes({{"A", 8}, {"A", 12}, {"A", 16}});  // three of one program
    Tick();
    browser.SectionListBox1SubItemClick(1, 1, {processes, windows});
    detail.SetItemIndex(detail.FirstRowOfSection(2) + 3);  // the open section's id line
    Processes(c.after);
    detail.BeginUpdate();
    Tick();
    detail.EndUpdate();
    EXPECT_EQ(Detail(), c.detail);
    const int row = c.selected_section < 0 ? -1 : detail.FirstRowOfSection(c.selected_section) + 3;
    EXPECT_EQ(detail.ItemIndex(), row);
    if (row >= 0) {
      EXPECT_NE(detail_rows.rows[static_cast<std::size_t>(row)].text.find(">12<"),
                std::string::npos);
    }
  }
}

TEST_F(BrowserFixture, IdenticalActionTextsRunEveryMatchingActionInOrder) {
  texts.missing = true;  // every text is "<No load message>"
  Windows({"Mail"});
  Tick();
  browser.SectionListBox1ExpandSection(0, {processes, windows});
  browser.SectionListBox2SubItemClick(1, 3, {processes, windows});
  EXPECT_EQ(ui.window_calls,
            (std::vector<std::string>{"ShowWindowAsync(32,9)", "PostMessageA(32,16)",
                                      "ShowWindowAsync(32,9)", "SetForegroundWindow(32)",
                                      "ShowWindowAsync(32,6)", "ShowWindowAsync(32,3)"}));
}

TEST_F(BrowserFixture, PriorityMenuSetsTheClassOfTheProcessClickedAndPropertiesOpenItsFile) {
  Processes({{"A", 8}, {"B", 12}});
  Tick();
  browser.SectionListBox1ExpandSection(1, {processes, windows});
  kernel.files.insert("C:\\bin\\B");
  browser.PopupPriorityMenu = [this](platform::Point) {
    // A tick while the menu is open moves B to another place; the choice still reaches B.
    Processes({{"B", 12}});
    Tick();
    browser.SetPriority(platform::kHighPriorityClass, processes);
  };
  browser.SectionListBox2SubItemClick(2, 7, {processes, windows});
  browser.SectionListBox2SubItemClick(2, 8, {processes, windows});
  EXPECT_EQ(kernel.Process(12)->priority, platform::kHighPriorityClass);
  EXPECT_EQ(kernel.Process(8)->priority, 0x20u);
  EXPECT_EQ(shell.ex_calls, (std::vector<std::string>{"0,12,properties,C:\\bin\\B,5"}));
  EXPECT_TRUE(kernel.open_handles.empty());
  // On the 9x family an id that serves another program by the choice sets nothing.
  nine_x = true;
  Processes({{"A", 8}, {"B", 12}});
  Tick();
  browser.SectionListBox1ExpandSection(1, {processes, windows});
  browser.PopupPriorityMenu = [this](platform::Point) {
    Processes({{"A", 8}, {"Z", 12}});
    browser.SetPriority(platform::kIdlePriorityClass, processes);
  };
  browser.SectionListBox2SubItemClick(2, 8, {processes, windows});
  EXPECT_EQ(kernel.Process(12)->priority, platform::kHighPriorityClass);
}

TEST_F(BrowserFixture, EnterOnThePriorityLineOpensTheMenuUnderTheLine) {
  Processes({{"A", 8}});
  Tick();
  browser.SectionListBox1SubItemClick(1, 0,
                                      {processes, windows});  // A's lines follow its header, row 1
  detail.OnSubItemClick = [this](auto&, int i, int j) {
    browser.SectionListBox2SubItemClick(i, j, {processes, windows});
  };
  detail.SetItemIndex(10);
  detail.KeyDown(ui::kVkReturn, 0);
  EXPECT_EQ(menus, std::vector{"114," + std::to_string(200 + detail_rows.RowRect(10).bottom)});
}

TEST_F(BrowserFixture, ContextKeyOpensTheMenuAtTheRowForProcessesOnly) {
  Processes({{"A", 8}, {"B", 12}});
  Tick();
  browser.SectionListBox2ContextKey(0, {5, 5});  // the heading section: no process
  browser.SectionListBox1ExpandSection(1, {processes, windows});
  browser.SectionListBox2ContextKey(0, {5, 5});
  browser.PopupPriorityMenu = [this](platform::Point p) {
    menus.push_back(std::to_string(p.x) + "," + std::to_string(p.y));
    browser.SetPriority(platform::kHighPriorityClass, processes);
  };
  browser.SectionListBox2ContextKey(1, {40, 90});
  EXPECT_EQ(menus, (std::vector<std::string>{"40,90"}));
  EXPECT_EQ(kernel.Process(8)->priority, platform::kHighPriorityClass);
  EXPECT_EQ(kernel.Process(12)->priority, 0x20u);
}

}  // namespace

namespace {

// What a list shows of a caption: markup is rendered, any other text is drawn as it is.
std::string Shown(const std::string& caption) {
  if (caption.find("</") == std::string::npos) return caption;
  fakes::RecordingCanvas canvas(4000, 60);
  return OnScreen(controls::markup::Render(canvas, caption, {0, 0, 4000, 60}, {}).plain_text);
}

TEST_F(BrowserFixture, HostileTitlesAndNamesShowAsWrittenInBothLists) {
  const std::vector<std::string> titles = {"<Z>x</Z>",
                                           "<A href=\"go\">click</A>",
                                           "Tom &amp; Jerry </B>",
                                           "</FONT><FONT color=\"clwhite\">",
                                           "{\\rtf1 plain}",
                                           std::string(300, 'w') + "</U>",
                                           "Plain & simple"};
  Windows(titles);
  Processes({{"<Z>p</Z>", 8}});
  Tick();
  browser.SectionListBox1ExpandSection(0, {processes, windows});
  for (std::size_t i = 0; i < titles.size(); ++i) {
    SCOPED_TRACE(titles[i]);
    const int k = static_cast<int>(i);
    // The window list keeps at most 255 characters of a title.
    const std::string& title = windows.windows()[i].title;
    EXPECT_EQ(Shown(left.Sections().Item(0).SubItems().Strings(k)), title);
    EXPECT_EQ(Shown(detail.Sections().Item(k + 1).Caption()), title);
    EXPECT_EQ(browser::TextOfCaption(browser::CaptionOf(titles[i])), titles[i]);
  }
  // A plain title is its own caption, so other programs read the row as it is.
  EXPECT_EQ(left.Sections().Item(0).SubItems().Strings(6), "Plain & simple");
  // The window action still finds the window behind an escaped caption.
  browser.SectionListBox2SubItemClick(1, 3, {processes, windows});
  EXPECT_EQ(ui.window_calls, (std::vector<std::string>{"ShowWindowAsync(32,3)"}));
  // A tick with the same windows changes nothing.
  Tick();
  EXPECT_EQ(left.Sections().Item(0).SubItems().Count(), static_cast<int>(titles.size()));
  browser.SectionListBox1ExpandSection(1, {processes, windows});
  EXPECT_EQ(Shown(left.Sections().Item(1).SubItems().Strings(0)), "<Z>p</Z>");
  EXPECT_EQ(Shown(detail.Sections().Item(1).Caption()), "<Z>p</Z>");
}

TEST_F(BrowserFixture, TerminateEndsTheClickedSectionsProcessWhenSectionTextsAreEqual) {
  // Without the language libraries both section captions read alike; the detail list still
  // knows it shows the processes, and each section knows its process.
  texts.missing = true;
  for (int s = 0; s < 2; ++s) left.Sections().Item(s).SetCaption("<No load message>");
  Processes({{"A", 8}, {"B", 12}, {"C", 16}, {"D", 20}});
  Windows({"One", "Two", "Three"});
  Tick();
  browser.SectionListBox1ExpandSection(1, {processes, windows});
  Windows({"One", "Two"});
  Tick();
  ASSERT_EQ(Detail(), "<No load message> | A:9 | B:9 | C:9 | D:9");
  ui.answers.push_back(platform::kIdYes);
  browser.SectionListBox2SubItemClick(3, 6, {processes, windows});
  EXPECT_EQ(ui.messages.back().text, "C :<No load message><No load message>");
  EXPECT_TRUE(kernel.Process(16)->terminated);
  EXPECT_FALSE(kernel.Process(12)->terminated);
  EXPECT_EQ(Left(1), "A B D");
}

TEST_F(BrowserFixture, ActionsAskForTheNarrowestRightsThatDoTheJob) {
  const std::vector<std::string> narrow = {"OpenProcess(4097,false,12)",
                                           "OpenProcess(4608,false,12)"};
  const std::vector<std::string> fallback = {
      "OpenProcess(4097,false,12)", "OpenProcess(1025,false,12)", "OpenProcess(4608,false,12)",
      "OpenProcess(1536,false,12)"};
  struct Case {
    const char* name;
    bool vista;
    std::uint32_t refused;
    std::uint64_t row_creation;      // the process's is 42
    std::vector<std::string> opens;  // terminate's, then the priority's
    bool acted;
  } cases[] = {
      {"today", true, 0, 42, narrow, true},
      {"refuses memory reads", true, platform::kProcessVmRead, 42, narrow, true},
      {"before Vista", false, 0, 42, fallback, true},
      {"refuses both", true, platform::kProcessTerminate | platform::kProcessSetInformation, 42,
       fallback, false},
      // The 9x family lists no creation times, though a system may give one at the action.
      {"9x family", false, 0, 0, fallback, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kernel.processes.clear();
    Processes({});
    Tick();
    Processes({{"A", 8}, {"B", 12}});
    kernel.knows_limited_query_right = c.vista;
    kernel.Process(12)->refused_access = c.refused;
    kernel.Process(12)->times.creation = 42;
    processes.Slot(1).creation = c.row_creation;
    Tick();
    browser.SectionListBox1ExpandSection(1, {processes, windows});
    kernel.calls.clear();
    browser.PopupPriorityMenu = [this](platform::Point) {
      browser.SetPriority(platform::kHighPriorityClass, processes);
    };
    browser.SectionListBox2SubItemClick(2, 8, {processes, windows});
    ui.answers.push_back(platform::kIdYes);
    browser.SectionListBox2SubItemClick(2, 6, {processes, windows});
    std::vector<std::string> opens;
    for (const std::string& call : kernel.calls)
      if (call.starts_with("OpenProcess")) opens.push_back(call);
    std::swap(opens[0], opens[opens.size() / 2]);  // the priority opened first
    if (opens.size() == 4) std::swap(opens[1], opens[3]);
    EXPECT_EQ(opens, c.opens);
    EXPECT_EQ(kernel.Process(12)->terminated, c.acted);
    EXPECT_EQ(kernel.Process(12)->priority, c.acted ? platform::kHighPriorityClass : 0x20u);
    EXPECT_TRUE(kernel.open_handles.empty());
  }
}

}  // namespace

namespace browser {
namespace {

TEST_F(BrowserFixture, LinesTellCostParentAndWindowProcessAndEachNamedProcessOpensOnAClick) {
  Processes({{"A", 8}, {"B", 12}, {"C", 16}, {"D", 20}, {"E", 24}});
  // B's parent lives; C's has ended; D's id now serves E, started after D.
  const std::pair<std::size_t, std::uint32_t> parents[] = {{1, 8}, {2, 4}, {3, 24}};
  for (const auto& [at, parent] : parents) {
    snapshot::processinfos& p = processes.Slot(at);
    p.has_parent = true;
    p.parent_id = parent;
    p.has_cost = true;
    p.usage_percent = 7;
    p.working_set = 12'345 * 1024 + 1023;
  }
  processes.Slot(4).creation = processes.Slot(3).creation + 1;
  WindowsByHandle({{0x30, "Mail"}, {0x40, "Gone"}});
  ui.windows[0].process_id = 12;
  ui.windows[1].process_id = 99;  // not listed
  windows.EnumerateAppWindows();
  Tick();

  browser.SectionListBox1ExpandSection(0, {processes, windows});
  EXPECT_EQ(Detail(), "T100 | Mail:6 | Gone:6");
  EXPECT_EQ(Line(1, 0), LinkValueLine("T125", "B (12)"));
  EXPECT_EQ(Line(2, 0), ValueLine("T125", "99"));
  browser.SectionListBox2SubItemClick(2, 0, {processes, windows});  // names no listed process
  EXPECT_EQ(Detail(), "T100 | Mail:6 | Gone:6");
  browser.SectionListBox2SubItemClick(1, 0, {processes, windows});
  EXPECT_EQ(Detail(), "T101 | A:9 | B:12+ | C:12 | D:12 | E:9");
  EXPECT_EQ(detail.TopIndex(), detail.FirstRowOfSection(2));

  EXPECT_EQ(Line(2, 6), ValueLine("T155", "7 %"));
  EXPECT_EQ(Line(2, 7), ValueLine("T156", "12.345 K"));
  EXPECT_EQ(Line(2, 8), LinkValueLine("T157", "A (8)"));
  EXPECT_EQ(Line(2, 9), ActionLine(ActionColor::kRed, "T110"));
  EXPECT_EQ(Line(3, 8), ValueLine("T157", "4"));
  EXPECT_EQ(Line(4, 8), ValueLine("T157", "24"));
  browser.SectionListBox2SubItemClick(4, 8, {processes, windows});  // an id alone: no link
  browser.SectionListBox2SubItemClick(2, 8, {processes, windows});
  EXPECT_EQ(Detail(), "T101 | A:9+ | B:12 | C:12 | D:12 | E:9");

  // An open section's cost lines follow the tick; a quiet tick writes nothing.
  browser.SectionListBox2SectionClick(2);
  processes.Slot(1).usage_percent = 30;
  Tick();
  EXPECT_EQ(Line(2, 6), ValueLine("T155", "30 %"));
  const int repaints = detail_view.invalidations;
  detail.BeginUpdate();
  Tick();
  detail.EndUpdate();
  EXPECT_EQ(detail_view.invalidations, repaints);
}

TEST_F(BrowserFixture, NineXProcessesShowTheirParentAndNoCost) {
  nine_x = true;
  processes.SetHexIds(true);
  Processes({{"KERNEL32.DLL", 0xFFF10}, {"EXPLORER.EXE", 0xFFF20}});
  for (snapshot::processinfos* p : {&processes.Slot(0), &processes.Slot(1)}) p->has_parent = true;
  processes.Slot(0).parent_id = 0xFFF00;
  processes.Slot(1).parent_id = 0xFFF10;
  processes.Slot(0).id_text = "000FFF10";
  Tick();
  browser.SectionListBox1ExpandSection(1, {processes, windows});
  EXPECT_EQ(Detail(), "T101 | KERNEL32.DLL:10 | EXPLORER.EXE:10");
  EXPECT_EQ(Line(1, 6), ValueLine("T157", "000FFF00"));
  EXPECT_EQ(Line(2, 6), LinkValueLine("T157", "KERNEL32.DLL (000FFF10)"));
}

}  // namespace
}  // namespace browser
