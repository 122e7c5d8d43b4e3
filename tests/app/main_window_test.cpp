#include "app/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_window_pictures.h"
#include "app/program.h"
#include "tests/fakes/fake_form_host.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/fake_view.h"
#include "tests/fakes/vector_rows.h"
#include "tests/ui/layout_faults.h"

namespace {

constexpr platform::Handle kEnglish = 0x6000;
constexpr char kIni[] = "C:\\Suite\\Process\\RvProcesess.ini";

struct MainWindowFixture : ::testing::Test, fakes::FakeServices {
  snapshot::PsapiBinding psapi{kernel, process_status};
  ui::Application application;

  void SetUp() override {
    StartFromBaseModule(kEnglish);
    const std::pair<int, const char*> texts[] = {
        {1, "Process"},     {10, "Report"},     {11, "About"}, {12, "Language"},
        {13, "Minimize"},   {14, "Refresh"},    {52, "Close"}, {100, "Applications"},
        {101, "Processes"}, {107, "CPU usage"},
    };
    for (auto [id, text] : texts) ui.strings[{kEnglish, static_cast<std::uint32_t>(id)}] = text;
  }
};

TEST_F(MainWindowFixture, NothingIsCutOffOrHiddenByAnother) {
  app::TProcesessFrm form(Services(), application, psapi);
  form.FormCreate();
  // The gauge label lies over the gauge strip on purpose.
  EXPECT_EQ(testing_layout::LayoutFaults(form, {"GaugeBar1/Panel3"}), std::vector<std::string>{});
}

TEST(MainWindowPictures, NodeGlyphsLoseOnlyTheirCornersWhenDrawnTransparently) {
  for (const bool expanded : {false, true}) {
    const ui::Picture glyph = app::NodeGlyph(expanded);
    EXPECT_EQ(std::count(glyph.pixels.begin(), glyph.pixels.end(), ui::TransparentColor(glyph)), 4);
  }
}

TEST_F(MainWindowFixture, StartUpGivesEveryCaptionItsTextAndEnablesTheNtTimer) {
  app::TProcesessFrm form(Services(), application, psapi);
  form.FormCreate();
  EXPECT_FALSE(application.Terminated());
  EXPECT_EQ(form.ReportBtn.Text(), "Report");
  EXPECT_EQ(form.AboutBtn.Text(), "About");
  EXPECT_EQ(form.LangBtn.Text(), "Language");
  EXPECT_EQ(form.minimizeBtn.Text(), "Minimize");
  EXPECT_EQ(form.CloseBtn.Text(), "Close");
  EXPECT_EQ(form.RefreshBtn.Text(), "Refresh");
  EXPECT_EQ(form.Panel3.Text(), "Process");
  EXPECT_EQ(form.Panel1.Text(), "CPU usage");
  EXPECT_EQ(form.SectionListBox1.Sections().Item(0).Caption(), "Applications");
  EXPECT_EQ(form.SectionListBox1.Sections().Item(1).Caption(), "Processes");
  EXPECT_TRUE(form.TimerNT.Enabled());
  EXPECT_FALSE(form.Timer9x.Enabled());
  EXPECT_EQ(form.TimerNT.Interval(), 1000u);
  EXPECT_EQ(ini.Value(kIni, "Options", "RunLang"), "EN");
}

TEST_F(MainWindowFixture, OnTheNineXFamilyOnlyItsTimerRuns) {
  struct Case {
    std::uint32_t minor;
    bool timer9x;
  } cases[] = {{0, true}, {10, true}, {90, true}, {3, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minor);
    kernel.version = {1, 4, c.minor, 0, ""};
    for (const char* key : {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"})
      registry.SetUInt32(platform::kHkeyDynData, key, "KERNEL\\CPUUsage", 0);
    app::TProcesessFrm form(Services(), application, psapi);
    form.FormCreate();
    EXPECT_FALSE(form.TimerNT.Enabled());
    EXPECT_EQ(form.Timer9x.Enabled(), c.timer9x);
  }
}

TEST_F(MainWindowFixture, FailedRuleQuitsBeforeAnyLibraryTimerOrCaption) {
  kernel.arguments = {};
  app::TProcesessFrm form(Services(), application, psapi);
  form.FormCreate();
  EXPECT_TRUE(application.Terminated());
  EXPECT_FALSE(kernel.Called("LoadLibraryEx"));
  EXPECT_FALSE(form.TimerNT.Enabled());
  EXPECT_FALSE(form.Timer9x.Enabled());
  EXPECT_EQ(form.ReportBtn.Text(), "ReportBtn");
  EXPECT_TRUE(ini.writes.empty());
}

TEST_F(MainWindowFixture, HoverAlternatesBetweenTheHoverAndTheIdleImage) {
  app::TProcesessFrm form(Services(), application, psapi);
  ui::TExplBtn& b = form.AboutBtn;
  ASSERT_NE(b.NoFocusBitmap.pixels, b.DisabledBitmap.pixels);
  for (int i = 0; i < 3; ++i) {
    b.MouseMove({5, 5}, 0);
    EXPECT_EQ(b.Bitmap().pixels, b.NoFocusBitmap.pixels);
    b.MouseLeave();
    EXPECT_EQ(b.Bitmap().pixels, b.DisabledBitmap.pixels);
  }
}

TEST_F(MainWindowFixture, UsageIndicatorFollowsTheSampler) {
  app::TProcesessFrm form(Services(), application, psapi);
  ASSERT_TRUE(form.MCPUUsage1.Active());
  EXPECT_EQ(form.MCPUUsage1.Interval(), 1000u);
  // One processor idle for half of every second: the first sample only sets the baseline.
  std::int64_t idle = 0;
  for (int second = 0; second < 3; ++second) {
    native.idle_times = {idle};
    idle += 5'000'000;
    timers.FireAll();
  }
  EXPECT_EQ(form.ProgressFill1.Position(), 50);
}

TEST_F(MainWindowFixture, WindowCannotLoadWithoutThePerformanceStatisticsOnNineX) {
  kernel.version = {1, 4, 10, 0, ""};
  EXPECT_THROW(app::TProcesessFrm(Services(), application, psapi), std::runtime_error);
}

TEST_F(MainWindowFixture, UsageIndicatorClampsFiguresOutsideAPercentage) {
  app::TProcesessFrm form(Services(), application, psapi);
  struct Case {
    std::uint32_t value;
    int shown;
  } cases[] = {{0, 0}, {100, 100}, {250, 100}, {static_cast<std::uint32_t>(-7), 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    form.MCPUUsage1Interval(form.MCPUUsage1, c.value);
    EXPECT_EQ(form.ProgressFill1.Position(), c.shown);
  }
}

TEST_F(MainWindowFixture, GaugeStripStandsFullBehindTheGaugeLabel) {
  app::TProcesessFrm form(Services(), application, psapi);
  EXPECT_EQ(form.GaugeBar1.Position(), form.GaugeBar1.Max());
  const auto& children = form.Panel2.Children();
  auto at = [&](const ui::Component& c) { return std::find(children.begin(), children.end(), &c); };
  EXPECT_LT(at(form.GaugeBar1), at(form.Panel3));  // painted first, so the label lies over it
  EXPECT_TRUE(form.Panel3.Transparent());
}

TEST_F(MainWindowFixture, WindowIconListStartsWithItsThreeFixedImages) {
  app::TProcesessFrm form(Services(), application, psapi);
  ASSERT_EQ(window_icons.Count(), 3);
  EXPECT_EQ(window_icons.pictures.size(), 3u);
  EXPECT_NE(window_icons.pictures[0], window_icons.pictures[1]);
}

TEST_F(MainWindowFixture, NtTickTakesTheProcessesAndTheApplicationWindows) {
  process_status.Install();
  ASSERT_TRUE(psapi.Load());
  kernel.processes = {{4, "", 0x20, false}, {1234, "C:\\Apps\\notepad.exe", 0x80, true}};
  ui.windows = {{0x100, "Untitled - Notepad", true, 0, 0, 0x501},
                {0x200, "", true, 0, 0, 0x502},
                {0x300, "Tool", true, 0, platform::kWsExToolWindow, 0x503}};
  ui.strings[{kEnglish, 150}] = "High";
  app::TProcesessFrm form(Services(), application, psapi);
  form.FormCreate();
  timers.FireAll();

  ASSERT_EQ(form.Processes().processes().size(), 1u);
  const snapshot::processinfos& p = form.Processes().processes()[0];
  EXPECT_EQ(p.name, "notepad.exe");
  EXPECT_EQ(p.id_text, "1234");
  ASSERT_EQ(form.AppWindows().windows().size(), 1u);
  EXPECT_EQ(form.AppWindows().windows()[0].title, "Untitled - Notepad");
  EXPECT_EQ(form.AppWindows().windows()[0].image_index, 3);
  EXPECT_TRUE(kernel.open_handles.empty());

  timers.FireAll();  // the next tick keeps the icons: they did not change
  EXPECT_EQ(window_icons.Count(), 4);
  // The lists follow the tick; expanding the processes fills the detail list, and the next
  // tick keeps it in step.
  const auto& left = form.SectionListBox1.Sections();
  EXPECT_EQ(left.Item(0).SubItems().Strings(0), "Untitled - Notepad");
  EXPECT_EQ(left.Item(1).SubItems().Strings(0), "notepad.exe");
  form.SectionListBox1.ToggleSection(1);
  ASSERT_EQ(form.SectionListBox2.Sections().Count(), 2);
  EXPECT_EQ(form.SectionListBox2.Sections().Item(1).SubItems().Count(), 9);
  EXPECT_NE(form.SectionListBox2.Sections().Item(1).SubItems().Strings(3).find("High"),
            std::string::npos);
  kernel.processes.push_back({2000, "C:\\Apps\\calc.exe", 0x20, true});
  timers.FireAll();
  EXPECT_EQ(form.SectionListBox2.Sections().Count(), 3);
  EXPECT_TRUE(kernel.open_handles.empty());
}

TEST_F(MainWindowFixture, ATickThatGivesAWindowAnotherIconRepaintsTheRowsThatShowIt) {
  ui.windows = {{0x100, "Editor", true, 0, 0, 0x501}, {0x200, "Viewer", true, 0, 0, 0x502}};
  fakes::FakeView views[2];
  fakes::VectorRows rows[2];
  app::TProcesessFrm form(Services(), application, psapi);
  controls::TSectionListBox* lists[] = {&form.SectionListBox1, &form.SectionListBox2};
  for (int i = 0; i < 2; ++i) lists[i]->AttachView(&views[i]), lists[i]->AttachRows(&rows[i]);
  form.FormCreate();
  form.TimerNTTimer();
  form.SectionListBox1.ToggleSection(0);  // the windows below the left header, and on the right
  for (fakes::FakeView& view : views) view.invalidated_rects.clear();
  ui.windows[0].class_icon = 0x503;
  form.TimerNTTimer();
  // The editor's rows alone: its sub-item on the left, its section's header on the right.
  EXPECT_EQ(views[0].invalidated_rects, std::vector{rows[0].RowRect(1)});
  EXPECT_EQ(views[1].invalidated_rects,
            std::vector{rows[1].RowRect(lists[1]->FirstRowOfSection(1))});
}

TEST_F(MainWindowFixture, NineXTickReadsTheToolHelpSnapshotAndAttachesIconsAfterwards) {
  kernel.version = {1, 4, 10, 0, ""};
  for (const char* key : {"PerfStats\\StartStat", "PerfStats\\StatData"})
    registry.SetUInt32(platform::kHkeyDynData, key, "KERNEL\\CPUUsage", 0);
  tool_help.Install();
  kernel.processes = {{26, "C:\\WINDOWS\\EXPLORER.EXE", 0x20, true}};
  ui.windows = {{0x100, "My Computer", true, 0, 0, 0x501}};
  app::TProcesessFrm form(Services(), application, psapi);
  form.FormCreate();
  form.Timer9xTimer();
  ASSERT_EQ(form.Processes().processes().size(), 1u);
  EXPECT_EQ(form.Processes().processes()[0].id_text, "0000001A");
  EXPECT_EQ(form.Processes().processes()[0].name, "EXPLORER.EXE");
  ASSERT_EQ(form.AppWindows().windows().size(), 1u);
  EXPECT_EQ(form.AppWindows().windows()[0].image_index, 3);
}

TEST_F(MainWindowFixture, MinimiseAndCloseButtonsAskTheHostForThisForm) {
  app::TProcesessFrm form(Services(), application, psapi);
  fakes::FakeFormHost host;
  ASSERT_TRUE(host.CreateWindows(form));
  auto click = [](ui::TExplBtn& b) {
    b.MouseDown(ui::MouseButton::kLeft, {5, 5}, 0);
    b.MouseUp(ui::MouseButton::kLeft, {5, 5}, 0);
  };
  click(form.minimizeBtn);
  click(form.CloseBtn);
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"CreateWindows(ProcesessFrm)", "Minimize(ProcesessFrm)",
                                      "Close(ProcesessFrm)"}));
}

TEST_F(MainWindowFixture, ReleasingTheButtonOutsideItIsNoClick) {
  app::TProcesessFrm form(Services(), application, psapi);
  fakes::FakeFormHost host;
  ASSERT_TRUE(host.CreateWindows(form));
  form.CloseBtn.MouseDown(ui::MouseButton::kLeft, {5, 5}, 0);
  form.CloseBtn.MouseUp(ui::MouseButton::kLeft, {200, 5}, 0);
  EXPECT_EQ(host.calls.size(), 1u);
}

TEST_F(MainWindowFixture, ProgramShowsTheWindowOnlyWhenTheRulesPass) {
  fakes::FakeFormHost passing;
  app::RunProgram(Services(), passing);
  EXPECT_EQ(passing.calls, (std::vector<std::string>{"CreateWindows(ProcesessFrm)",
                                                     "Show(ProcesessFrm)", "RunMessageLoop"}));

  // A failed rule ends the message loop before it ever runs.
  kernel.arguments = {"-RVINFO"};
  fakes::FakeFormHost failing;
  EXPECT_EQ(app::RunProgram(Services(), failing), 0);
  EXPECT_EQ(failing.calls, (std::vector<std::string>{"CreateWindows(ProcesessFrm)", "Quit(0)"}));
}

TEST_F(MainWindowFixture, ProgramFillsTheListsAsTheWindowShowsNotATickLater) {
  struct Case {
    const char* family;
    platform::OsVersionInfo version;
    const char* refresh_call;
  } cases[] = {{"NT", kernel.version, "EnumProcesses"},
               {"9x", {1, 4, 10, 0, ""}, "CreateToolhelp32Snapshot"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family);
    kernel.version = c.version;
    for (const char* key : {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"})
      registry.SetUInt32(platform::kHkeyDynData, key, "KERNEL\\CPUUsage", 0);
    process_status.Install();
    tool_help.Install();
    kernel.calls.clear();
    fakes::FakeFormHost host;
    app::RunProgram(Services(), host);
    // No timer fired: the refresh ran as the window showed.
    EXPECT_TRUE(kernel.Called(c.refresh_call));
  }
}

TEST_F(MainWindowFixture, FirstTickIsOneOfTheTimersSoItsMessageBoxNeverNestsAnother) {
  // Without the process status library each tick shows "Chyba"; the timer fires while it is open.
  int open = 0, deepest = 0;
  ui.on_message_box = [&] {
    deepest = std::max(deepest, ++open);
    timers.FireAll();
    --open;
  };
  app::TProcesessFrm form(Services(), application, psapi);
  form.FormCreate();
  form.FormShow();
  timers.FireAll();
  EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"Chyba", "Chyba"}));
  EXPECT_EQ(deepest, 1);
}

TEST_F(MainWindowFixture, ProgramBindsTheProcessStatusLibraryForTheWholeRun) {
  process_status.Install();
  fakes::FakeFormHost host;
  app::RunProgram(Services(), host);
  auto position = [&](const std::string& prefix) {
    for (std::size_t i = 0; i < kernel.calls.size(); ++i)
      if (kernel.calls[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  };
  const int load = position("LoadLibraryA(C:\\windows\\system32\\psapi.dll)");
  ASSERT_GE(load, 0);
  EXPECT_LT(load, position("OpenMutexA"));  // before the window's start-up
  // The window goes first, with its language library; the binding is released last.
  EXPECT_EQ(kernel.freed_modules,
            (std::vector<platform::Handle>{kEnglish, fakes::FakeProcessStatus::kPsapiModule}));
}

}  // namespace
