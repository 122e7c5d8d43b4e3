#include "snapshot/app_windows.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/fakes/fake_image_list.h"
#include "tests/fakes/fake_user_interface.h"

namespace snapshot {
namespace {

using fakes::FakeUserInterface;
using fakes::FakeWindow;

constexpr std::uint32_t kTool = platform::kWsExToolWindow;
constexpr std::uint32_t kApp = platform::kWsExAppWindow;

// Counts the icons added, to see whether a tick added them again.
struct CountingImageList : fakes::FakeImageList {
  using fakes::FakeImageList::FakeImageList;
  int added = 0;
  int AddIcon(platform::IconHandle icon) override {
    ++added;
    return fakes::FakeImageList::AddIcon(icon);
  }
};

struct AppWindowsFixture : ::testing::TestWithParam<Family> {
  void Add(platform::WindowHandle handle, std::string title, bool visible = true,
           platform::WindowHandle owner = 0, std::uint32_t ex_style = 0,
           platform::IconHandle icon = 0) {
    ui.windows.push_back({handle, std::move(title), visible, owner, ex_style, icon});
  }
  // One tick as the family's refresh runs it.
  void Tick() {
    list.EnumerateAppWindows();
    if (GetParam() == Family::k9x) list.AttachWindowIcons();
  }
  std::string Listed() const {
    std::string out;
    for (const appinfos& a : list.windows())
      out +=
          (out.empty() ? "" : " ") + std::to_string(a.window) + ":" + std::to_string(a.image_index);
    return out;
  }

  FakeUserInterface ui;
  CountingImageList images{3};
  AppWindowList list{ui, images, GetParam()};
};

TEST_P(AppWindowsFixture, FilterTakesVisibleUnownedNonToolWindowsWithATitle) {
  struct Case {
    const char* name;
    bool visible;
    platform::WindowHandle owner;
    std::uint32_t ex_style;
    std::string title;
    bool listed;
  };
  const Case cases[] = {
      {"plain", true, 0, 0, "Editor", true},
      {"hidden", false, 0, 0, "Editor", false},
      {"owned", true, 0x2000, 0, "Editor", false},
      {"owned by the desktop", true, FakeUserInterface::kDesktop, 0, "Editor", true},
      {"tool window", true, 0, kTool, "Editor", false},
      {"tool and app window", true, 0, kTool | kApp, "Editor", true},
      {"app window", true, 0, kApp, "Editor", true},
      {"other styles", true, 0, 0x100 | 0x8, "Editor", true},
      {"empty title", true, 0, 0, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.windows = {{0x100, c.title, c.visible, c.owner, c.ex_style, 0}};
    EXPECT_EQ(list.IsApplicationWindow(0x100), c.listed);
    Tick();
    EXPECT_EQ(list.windows().size(), c.listed ? 1u : 0u);
  }
}

TEST_P(AppWindowsFixture, EntriesKeepEnumerationOrderAndTitles) {
  Add(0x30, "Third");
  Add(0x10, "First", false);
  Add(0x20, "Second");
  Add(0x40, std::string(300, 'T'));
  std::string cyrillic, emoji = "a";
  for (int i = 0; i < 300; ++i) cyrillic += "\xD0\x96", emoji += "\xF0\x9F\x98\x80";
  Add(0x50, cyrillic);
  Add(0x60, emoji);  // the buffer ends inside its 255th emoji
  Tick();
  ASSERT_EQ(list.windows().size(), 5u);
  EXPECT_EQ(list.windows()[3].title, cyrillic.substr(0, 255 * 2));
  EXPECT_EQ(list.windows()[4].title, emoji.substr(0, 1 + 254 * 4));
  EXPECT_EQ(list.windows()[0].title, "Third");
  EXPECT_EQ(list.windows()[0].window, 0x30u);
  EXPECT_EQ(list.windows()[1].title, "Second");
  EXPECT_EQ(list.windows()[2].title, std::string(255, 'T'));
}

TEST_P(AppWindowsFixture, IconsCountUpFromThreeAndAMissingIconGetsMinusOne) {
  Add(0x10, "A", true, 0, 0, 0xA1);
  Add(0x20, "B", true, 0, 0, 0);  // class without an icon
  Add(0x30, "Hidden", false, 0, 0, 0xC1);
  Add(0x40, "D", true, 0, 0, 0xD1);
  Add(0x50, "E", true, 0, 0, 0xE1);
  images.broken_icons.insert(0xE1);
  Tick();
  EXPECT_EQ(Listed(), "16:3 32:-1 64:4 80:-1");
  EXPECT_EQ(images.images, (std::vector<platform::IconHandle>{1, 2, 3, 0xA1, 0xD1}));
}

TEST_P(AppWindowsFixture, ImageListHoldsTheFixedImagesThenThisTicksIcons) {
  struct Case {
    int before;
    std::size_t after;
  };
  // Ten images: the seven from an earlier tick go. Two: nothing is removed.
  const Case cases[] = {{10, 3 + 2}, {3, 3 + 2}, {2, 2 + 2}, {0, 0 + 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    images = CountingImageList(c.before);
    ui.windows.clear();
    Add(0x10, "A", true, 0, 0, 0xA1);
    Add(0x20, "B", true, 0, 0, 0xB1);
    Add(0x30, "No icon");
    Tick();
    ASSERT_EQ(images.images.size(), c.after);
    for (int i = 0; i < std::min(c.before, 3); ++i)
      EXPECT_EQ(images.images[static_cast<std::size_t>(i)],
                static_cast<platform::IconHandle>(i + 1));
    EXPECT_EQ(list.windows()[1].image_index, static_cast<int>(c.after) - 1);
  }
}

TEST_P(AppWindowsFixture, IconsAreAddedAgainOnlyWhenTheWindowsIconsChanged) {
  struct Case {
    const char* change;
    std::function<void(AppWindowsFixture&)> apply;
    bool refilled;
    std::vector<int> changed_images = {};
  } cases[] = {
      {"nothing", [](AppWindowsFixture&) {}, false},
      {"a title", [](AppWindowsFixture& f) { f.ui.windows[0].title = "A2"; }, false},
      {"an icon", [](AppWindowsFixture& f) { f.ui.windows[1].class_icon = 0xB2; }, true, {4}},
      {"a new window", [](AppWindowsFixture& f) { f.Add(0x30, "C", true, 0, 0, 0xC1); }, true, {5}},
      {"the list itself", [](AppWindowsFixture& f) { f.images.images.push_back(0x77); }, true, {5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    ui.windows.clear();
    Add(0x10, "A", true, 0, 0, 0xA1);
    Add(0x20, "B", true, 0, 0, 0xB1);
    Tick();
    const std::string before = Listed();
    images.added = 0;
    c.apply(*this);
    Tick();
    EXPECT_EQ(images.added > 0, c.refilled);
    EXPECT_EQ(list.ChangedImages(), c.changed_images);
    if (!c.refilled) {
      EXPECT_EQ(Listed(), before);
    }
  }
}

TEST_P(AppWindowsFixture, AWindowIsFoundByItsHandleWhileListed) {
  Add(0x10, "Editor");
  Add(0x20, "Editor");
  Tick();
  EXPECT_EQ(list.FindAppWindow(0x20), 1);
  EXPECT_EQ(list.FindAppWindow(0), -1);
  ui.windows.erase(ui.windows.begin() + 1);
  Tick();
  EXPECT_EQ(list.FindAppWindow(0x20), -1);
  EXPECT_EQ(list.FindAppWindow(0x10), 0);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, AppWindowsFixture,
                         ::testing::Values(Family::kNt, Family::k9x), [](const auto& info) {
                           return info.param == Family::kNt ? std::string("Nt")
                                                            : std::string("Win9x");
                         });

// Logs the filter's queries so a test can see which ones a window got.
struct LoggingUi : FakeUserInterface {
  bool IsWindowVisible(platform::WindowHandle w) override {
    log += "V";
    return FakeUserInterface::IsWindowVisible(w);
  }
  std::intptr_t GetWindowLongA(platform::WindowHandle w, int index) override {
    log += index == platform::kGwlHwndParent ? "O" : "S";
    return FakeUserInterface::GetWindowLongA(w, index);
  }
  int GetWindowText(platform::WindowHandle w, char* buffer, int size) override {
    log += "T" + std::to_string(size);
    return FakeUserInterface::GetWindowText(w, buffer, size);
  }
  std::string log;
};

TEST(IsApplicationWindow, TestsRunInOrderAndStopAtTheFirstFailure) {
  struct Case {
    const char* name;
    FakeWindow window;
    const char* log;
  };
  const Case cases[] = {
      {"hidden", {1, "A", false, 0, 0, 0}, "V"},
      {"owned", {1, "A", true, 0x2000, 0, 0}, "VO"},
      {"tool window", {1, "A", true, 0, kTool, 0}, "VOS"},
      {"listed", {1, "A", true, 0, 0, 0}, "VOST1021"},  // 255 characters of up to 4 bytes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoggingUi ui;
    ui.windows = {c.window};
    fakes::FakeImageList images;
    AppWindowList list(ui, images, Family::kNt);
    list.IsApplicationWindow(1);
    EXPECT_EQ(ui.log, c.log);
  }
}

TEST(AppWindows9x, EnumerationAloneGivesImageIndexZeroAndLeavesImagesAlone) {
  FakeUserInterface ui;
  ui.windows = {{0x10, "A", true, 0, 0, 0xA1}, {0x20, "B", true, 0, 0, 0xB1}};
  fakes::FakeImageList images(6);
  AppWindowList list(ui, images, Family::k9x);
  list.EnumerateAppWindows();
  ASSERT_EQ(list.windows().size(), 2u);
  EXPECT_EQ(list.windows()[0].image_index, 0);
  EXPECT_EQ(list.windows()[1].image_index, 0);
  EXPECT_EQ(images.Count(), 6);
}

}  // namespace
}  // namespace snapshot
