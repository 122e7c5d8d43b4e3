// Painting rows of the section list on the recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/controls/section_list/fixture.h"

namespace {

using controls::TListSection;
using controls::TSectionListBox;
using slb_test::ListFixture;

bool Has(const std::vector<std::string>& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

std::vector<std::string> PaintRow(ListFixture& f, int row, bool selected, bool focused) {
  fakes::RecordingCanvas canvas;
  f.list.DrawRow(canvas, {row, f.rows.RowRect(row), selected, focused});
  return canvas.log;
}

ui::Picture Plain(int width, int height) {
  return {width, height, std::vector<platform::Color>(static_cast<std::size_t>(width * height), 0)};
}

TEST(SectionListPaint, DrawsEachLayerAtItsPlace) {
  struct Case {
    const char* name;
    std::function<void(TSectionListBox&)> setup;
    int row;
    bool focused;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  auto none = [](TSectionListBox&) {};
  // Row 0 is header "0" (0..19), row 1 sub-item "0.0" (20..39); the client is 200 wide and the
  // sort arrow's right end at 216 - 16 - 10 = 190.
  const Case cases[] = {
      {"check box in a 20-pixel row",
       [](auto& l) { l.Sections().Item(0).SetControlType(controls::scCheckbox); },
       1,
       false,
       {"DrawFrameControl 14,24,28,38 0x100"},
       {}},
      {"checked, flat, editable",
       [](auto& l) {
         l.SetFlat(true);
         l.Sections().Item(0).SetControlType(controls::scCheckbox);
         l.Sections().Item(0).SetReadOnly(false);
         l.Sections().Item(0).SetSubItemChecked(0, true);
       },
       1,
       false,
       {"DrawFrameControl 14,24,28,38 0x4400"},
       {}},
      {"flat node of an expanded header",
       none,
       0,
       false,
       {"Rectangle 3,5,12,14 0x000000 0x8000000F", "MoveTo 5,9", "LineTo 10,9 0x000000"},
       {"MoveTo 7,7"}},
      {"sort arrow pointing up",
       [](auto& l) {
         l.Sections().Item(0).SetSortShow(true);
         l.Sections().Item(0).SetSortDirection(controls::sdAscending);
       },
       0,
       false,
       {"MoveTo 184,6", "LineTo 180,14 0xFFFFFF", "LineTo 188,14 0x808080",
        "LineTo 184,6 0x808080"},
       {}},
      {"focused header frame and dotted mark",
       none,
       0,
       true,
       {"Frame3D 0,0,201,20 0xFFFFFF 0x808080 1", "DrawFocusRect 1,1,199,19"},
       {}},
      {"no focus mark over a wallpaper",
       [](auto& l) { l.SetWallpaper(Plain(4, 4)); },
       1,
       true,
       {},
       {"DrawFocusRect 1,21,199,39", "FillRect 0,20,200,40 0x80000005"}},
      {"fixed header: no node, no focus mark",
       [](auto& l) {
         l.SetSubItemIndent(30);
         l.Sections().Item(0).SetFixed(true);
       },
       0,
       true,
       {"TabbedTextOut \"0\" 30,3"},
       {"DrawFocusRect 1,1,199,19", "Rectangle 3,5,12,14 0x000000 0x8000000F"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ListFixture f;
    f.Add("0", {"0.0"}, true);
    c.setup(f.list);
    const std::vector<std::string> log = PaintRow(f, c.row, false, c.focused);
    for (const std::string& line : c.present) EXPECT_TRUE(Has(log, line)) << line;
    for (const std::string& line : c.absent) EXPECT_FALSE(Has(log, line)) << line;
  }
}

TEST(SectionListPaint, HeaderTextContinuesAtTheTabStop) {
  ListFixture f;
  f.Add("ab\tcd", {}, false);
  f.list.TabPositions().Add().SetTabPosition(80);
  fakes::RecordingCanvas canvas;
  f.list.DrawRow(canvas, {0, f.rows.RowRect(0), false, false});
  ASSERT_FALSE(canvas.texts.empty());
  EXPECT_EQ(canvas.texts.back().rect.right, 80 + 2 * fakes::kCharWidth);
}

TEST(SectionListPaint, NothingIsPaintedWhileUpdating) {
  ListFixture f;
  f.Add("0", {"0.0"}, true);
  const int repaints = f.view.invalidations;
  f.list.BeginUpdate();
  f.list.Sections().Item(0).SetColor(platform::clRed);
  f.list.Sections().Item(0).SubItems().Add("0.1");
  EXPECT_TRUE(PaintRow(f, 1, false, false).empty());
  fakes::RecordingCanvas canvas;
  f.list.PaintBackground(canvas, {0, 0, 200, 300});
  EXPECT_TRUE(canvas.log.empty());
  f.list.EndUpdate();
  f.list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(f.view.invalidations, repaints + 1);
  EXPECT_FALSE(PaintRow(f, 1, false, false).empty());
}

}  // namespace
